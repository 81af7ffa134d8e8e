// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/copycheck/copycheckwindow.h"

#include "ui/fonts.h"

#include "practice/practicesession.h"
#include "runs/runkind.h"
#include "ui/copycheck/copybox.h"
#include "ui/copycheck/copymarksview.h"
#include "ui/inlineletters.h"
#include "ui/scrolled.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace blinket {

namespace {

// Rows of the character table in sight at any size of the window.
constexpr int rowsInSight = 8;

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// A character as the table shows it: itself, a procedure sign with its name too.
QString characterName(QChar c)
{
    const QString name = procedureSignName(c);
    return name.isEmpty() ? QString(c)
                          : QCoreApplication::translate("blinket::CopyCheckWindow", "%1 (%2)",
                                                        "a procedure sign and its letters")
                                .arg(c)
                                .arg(name);
}

} // namespace

CopyCheckWindow::CopyCheckWindow(PracticeSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("CopyCheck"));
    setWindowTitle(tr("Copy check"));
    resize(720, 660);

    m_run = caption(QString(), this);
    m_run->setObjectName(QStringLiteral("run"));
    m_run->setWordWrap(true);
    m_score = caption(QString(), this);
    m_score->setObjectName(QStringLiteral("score"));
    m_score->setFont(headlineFont(m_score->font(), 1.5));
    m_counts = caption(QString(), this);
    m_counts->setObjectName(QStringLiteral("counts"));
    m_words = caption(QString(), this);
    m_words->setObjectName(QStringLiteral("words"));
    m_words->hide();
    m_examLine = caption(QString(), this);
    m_examLine->setObjectName(QStringLiteral("examLine"));
    m_examLine->hide();

    m_marks = new CopyMarksView(this);
    m_marks->setObjectName(QStringLiteral("marks"));
    auto *legend = new QLabel(CopyMarksView::legendHtml(), this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setWordWrap(true);

    m_letters = new QTableWidget(0, 6, this);
    m_letters->setObjectName(QStringLiteral("letters"));
    m_letters->setHorizontalHeaderLabels(
        {tr("Character"), tr("Sent"), tr("Right"), tr("Wrong"), tr("Missed"), tr("Read as")});
    m_letters->verticalHeader()->hide();
    m_letters->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_letters->verticalHeader()->setDefaultSectionSize(m_letters->fontMetrics().height() + 6);
    m_letters->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_letters->horizontalHeader()->setStretchLastSection(true);
    m_letters->setMinimumHeight(m_letters->horizontalHeader()->sizeHint().height() +
                                rowsInSight * m_letters->verticalHeader()->defaultSectionSize() +
                                2 * m_letters->frameWidth() +
                                m_letters->horizontalScrollBar()->sizeHint().height());

    m_copy = new CopyBox(this);
    m_copy->setObjectName(QStringLiteral("copy"));
    m_copy->setTabChangesFocus(true);
    m_leftOut = caption(QString(), this);
    m_leftOut->setObjectName(QStringLiteral("leftOut"));
    m_leftOut->setWordWrap(true);
    m_leftOut->hide();
    m_check = new QPushButton(tr("&Check"), this);
    m_check->setObjectName(QStringLiteral("check"));
    auto *progress = new QPushButton(tr("&Progress"), this);
    progress->setObjectName(QStringLiteral("progress"));
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    m_status = caption(QString(), this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);

    auto *copyColumn = new QVBoxLayout;
    copyColumn->addWidget(caption(tr("Your copy"), this));
    copyColumn->addWidget(m_copy);
    copyColumn->addWidget(m_leftOut);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addWidget(progress);
    buttons->addStretch();
    copyColumn->addLayout(buttons);
    auto *letterColumn = new QVBoxLayout;
    letterColumn->addWidget(caption(tr("This run's characters"), this));
    letterColumn->addWidget(m_letters);
    auto *lower = new QHBoxLayout;
    lower->addLayout(letterColumn, 3);
    lower->addLayout(copyColumn, 2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(close);

    // All but Close and the status scroll where the screen is too small for them.
    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(m_run);
    contentLayout->addWidget(m_score);
    contentLayout->addWidget(m_counts);
    contentLayout->addWidget(m_words);
    contentLayout->addWidget(m_examLine);
    contentLayout->addWidget(caption(tr("Sent, and what you typed"), this));
    contentLayout->addWidget(m_marks, 3);
    contentLayout->addWidget(legend);
    contentLayout->addLayout(lower, 2);
    QScrollArea *scroll = scrolled(content, this, QStringLiteral("copyCheckScroll"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(bottom);

    connect(m_copy, &QPlainTextEdit::textChanged, this,
            [this] { m_session.setCopy(m_copy->toPlainText()); });
    connect(m_copy, &CopyBox::leftOutChanged, this, &CopyCheckWindow::showLeftOut);
    connect(m_check, &QPushButton::clicked, &m_session, &PracticeSession::storeNow);
    connect(progress, &QPushButton::clicked, this, &CopyCheckWindow::progressRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_session, &PracticeSession::scored, this, &CopyCheckWindow::showScore);
    connect(&m_session, &PracticeSession::storeStatus, m_status, &QLabel::setText);
}

void CopyCheckWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString CopyCheckWindow::runDescription(const RunRecord &run)
{
    const QString kind = kindName(run.kind, run.lesson);
    const QDateTime local = run.startedUtc.toLocalTime();
    const QLocale locale;
    const QString when = locale.toString(local.date(), QLocale::ShortFormat) + u' ' +
                         locale.toString(local.time(), QLocale::ShortFormat);
    if (run.kind != RunKind::Drill && run.kind != RunKind::Exam)
        return tr("%1 at speed %2 for %3 min, run on %4").arg(kind, run.speed, run.minutes, when);
    // A drill waits for the learner: what it took says more than the minutes its text was
    // drawn for.
    const int seconds = int(run.elapsedSeconds + 0.5);
    QString took = tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    if (seconds < 60)
        took = tr("%n s", nullptr, seconds);
    else if (seconds % 60 == 0)
        took = tr("%n min", nullptr, seconds / 60);
    return tr("%1 at speed %2, took %3, run on %4").arg(kind, run.speed, took, when);
}

QWidget &CopyCheckWindow::typingBox()
{
    return *m_copy;
}

void CopyCheckWindow::showLastRun()
{
    m_status->clear();
    const bool run = m_session.hasLastRun();
    m_copy->setEnabled(run);
    m_check->setEnabled(run);
    m_run->setVisible(run);
    if (!run) {
        m_score->setText(tr("Nothing to check yet."));
        m_counts->setText(
            tr("Start a run of A to Z or a lesson; the characters it sends are checked here."));
        m_words->hide();
        m_examLine->hide();
        m_marks->clear();
        m_letters->setRowCount(0);
        m_copy->clear();
        return;
    }
    m_run->setText(runDescription(m_session.lastRun()));
    m_marks->verticalScrollBar()->setValue(0);
    m_copy->setRun(m_session.runCharacters(), m_session.copyLimit());
    if (m_copy->toPlainText() != m_session.copy())
        m_copy->setPlainText(m_session.copy());
    m_copy->moveCursor(QTextCursor::End);
    // Typing goes on where the run left off.
    m_copy->setFocus();
    showScore();
    showLeftOut();
}

void CopyCheckWindow::showScore()
{
    if (!m_session.hasLastRun())
        return;
    const CopyScore &score = m_session.score();
    const bool typed = score.copyTyped();
    m_marks->showPlaces(score.aligned, typed);
    // A text run is read word by word: whole words count as much as the letters.
    m_words->setVisible(typed && m_session.lastRun().kind == RunKind::Text);
    m_words->setText(tr("Words right: %L1 of %Ln", nullptr, score.groups).arg(score.groupsRight));
    m_examLine->setVisible(typed && m_session.lastRun().kind == RunKind::Exam);
    m_examLine->setText((examPassed(score.percent()) ? tr("Passed: %1 or more is needed.")
                                                     : tr("Not passed: %1 or more is needed."))
                            .arg(percentText(examPassPercent)));
    if (!typed) {
        // Nothing typed yet: the characters sent, with nothing under them, and what to do.
        m_score->setText(tr("Type what you read; it is checked as you type."));
        m_counts->setText(tr("Characters sent: %Ln.", nullptr, score.sent));
        m_letters->setRowCount(0);
        return;
    }
    m_score->setText(tr("%L1 of %Ln right (%2)", nullptr, score.sent)
                         .arg(QString::number(score.right), percentText(score.percent())));
    m_counts->setText(QStringList{tr("%Ln wrong", nullptr, score.wrong),
                                  tr("%Ln missed", nullptr, score.missed),
                                  tr("%Ln extra", nullptr, score.extra)}
                          .join(tr(", ")));
    showLetters();
}

void CopyCheckWindow::showLeftOut()
{
    const int count = m_session.leftOut() + m_copy->leftOut();
    m_leftOut->setVisible(count > 0);
    m_leftOut->setText(tr("Left out: %Ln (a copy of this run takes at most %L1).", nullptr, count)
                           .arg(m_session.copyLimit()));
}

void CopyCheckWindow::showLetters()
{
    const CopyScore &score = m_session.score();
    m_letters->setRowCount(0);
    for (int i = 0; i < int(score.letters.size()); ++i) {
        const LetterTally &tally = score.letters[std::size_t(i)];
        if (tally.sent == 0)
            continue;
        const int row = m_letters->rowCount();
        m_letters->insertRow(row);
        const QChar readAs = tally.mostOftenReadAs();
        const QString mistaken = readAs.isNull()
                                     ? QStringLiteral("–")
                                     : tr("%1 ×%2")
                                           .arg(inLine(characterName(readAs), layoutDirection()))
                                           .arg(tally.readAs[std::size_t(characterIndex(readAs))]);
        const QChar sent = characterAt(i);
        m_letters->setItem(row, 0, cell(characterName(sent)));
        m_letters->setItem(row, 1, cell(QString::number(tally.sent)));
        m_letters->setItem(row, 2, cell(QString::number(tally.right)));
        m_letters->setItem(row, 3, cell(QString::number(tally.sent - tally.right - tally.missed)));
        m_letters->setItem(row, 4, cell(QString::number(tally.missed)));
        m_letters->setItem(row, 5, cell(mistaken));
    }
}

} // namespace blinket
