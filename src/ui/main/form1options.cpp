// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// The options of our own and the runs they shape: the letter speed and the characters every
// run takes from the options file as it starts, and text runs.

#include "runs/textsource.h"
#include "signal/characters.h"
#include "ui/main/form1.h"
#include "ui/options/optionswindow.h"
#include "ui/windowplace.h"

#include <QMessageBox>

namespace blinket {

namespace {

QString charactersChosen(const Options &options)
{
    return charactersOf({options.letters, options.figures, options.punctuation, options.procedure});
}

} // namespace

void Form1::connectOptions()
{
    connect(m_optionsButton, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { showOptions(); }); });
    connect(m_textRunButton, &QPushButton::clicked, this, [this] {
        RunRecord run;
        run.kind = RunKind::Text;
        startRun([this] { textRun(); }, run);
    });
    connect(m_drillButton, &QPushButton::clicked, this, [this] {
        RunRecord run;
        run.kind = readOptions(*optionsFile()).drillExam ? RunKind::Exam : RunKind::Drill;
        startRun([this, kind = run.kind] { messageDrill(kind); }, run);
    });
}

Options Form1::currentOptions()
{
    QStringList problems;
    const Options options = readOptions(*optionsFile(), &problems);
    for (const QString &problem : problems)
        tell(tr("An option in %1 is not used: %2.").arg(optionsFilePath(), problem));
    m_runs.setOptions({options.letterSpeed, charactersChosen(options)});
    return options;
}

QString Form1::runCharacters(RunKind kind, const Options &options) const
{
    switch (kind) {
    case RunKind::AtoZ:
    case RunKind::WeakLetters:
        return charactersChosen(options);
    case RunKind::Lesson:
        return QString();
    case RunKind::Text:
    case RunKind::Drill:
    case RunKind::Exam:
        break;
    }
    // Words of a text may hold any character that can be sent.
    return sendableCharacters().toString();
}

void Form1::tell(const QString &text)
{
    // Each thing once: a learner told of a bad option at every run would stop reading.
    if (m_told.contains(text))
        return;
    m_told << text;
    auto *box =
        new QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("notice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Form1::showOptions()
{
    if (m_runUnderWay)
        return;
    if (!m_optionsWindow) {
        m_optionsWindow = new OptionsWindow(this);
        new WindowPlace(*m_optionsWindow, *this, [this] { return keptInSight(); });
    }
    m_optionsWindow->load();
    m_optionsWindow->show();
    m_optionsWindow->raise();
    m_optionsWindow->activateWindow();
}

TextSource Form1::textWords(const Options &options)
{
    std::optional<TextSource> words;
    if (!options.textFile.isEmpty()) {
        QString error;
        words = TextSource::fromFile(options.textFile, sendableCharacters(), &error);
        if (!words)
            tell(error + u' ' + tr("This run sends the built-in words."));
    }
    if (!words)
        words = TextSource::builtIn(sendableCharacters());
    words->startAt(m_platform.Rnd());
    return std::move(*words);
}

void Form1::textRun()
{
    TextSource words = textWords(readOptions(*optionsFile()));
    m_runs.TextRun(words);
}

void Form1::messageDrill(RunKind kind)
{
    const Options options = readOptions(*optionsFile());
    const DrillForm form = kind == RunKind::Exam ? DrillForm::Exam : DrillForm::Practice;
    if (!options.drillWords) {
        m_runs.MessageDrill(*m_copyCollector, form);
        return;
    }
    TextSource words = textWords(options);
    m_runs.MessageDrill(*m_copyCollector, form, words);
}

} // namespace blinket
