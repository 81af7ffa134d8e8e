// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/progresswindow.h"

#include "practice/accuracy.h"
#include "runs/lessons.h"
#include "ui/progress/accuracychart.h"
#include "ui/progress/lessontable.h"
#include "ui/progress/letterchart.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace blinket {

namespace {

constexpr std::size_t shownConfusions = 10;
// How many of each letter's latest readings its bar stands on.
constexpr int recentReadings = 50;

QLabel *textLine(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *widget = new QPushButton(caption, parent);
    widget->setObjectName(name);
    widget->setAutoDefault(false);
    return widget;
}

// Adds a captioned box to a row and returns the layout of its contents, one under the other.
QVBoxLayout *addSection(QWidget *window, QBoxLayout *row, const QString &caption, int stretch)
{
    auto *box = new QGroupBox(caption, window);
    row->addWidget(box, stretch);
    auto *contents = new QVBoxLayout(box);
    contents->setContentsMargins(6, 6, 6, 6);
    return contents;
}

QStringView lettersOf(int lesson)
{
    const auto found = std::ranges::find(lessons, lesson, &Lesson::number);
    return found == lessons.end() ? QStringView() : QStringView(found->letters);
}

QString weakestText(const std::array<LetterAccuracy, sendableCount> &letters)
{
    const std::optional<QChar> weakest = weakestLetter(letters);
    if (!weakest)
        return QStringLiteral("No letter sent yet.");
    const LetterAccuracy &letter = letters[std::size_t(characterIndex(*weakest))];
    return QStringLiteral("Weakest letter, hatched: %1, %2 of the last %3 read right (%4).")
        .arg(letter.letter)
        .arg(letter.right)
        .arg(letter.outcomes)
        .arg(percentText(letter.accuracy));
}

// How many readings the bars stand on, naming the letters short of the full count; nothing
// before the first letter was sent.
QString countsText(const std::array<LetterAccuracy, sendableCount> &letters)
{
    QStringList fewer;
    QStringList none;
    for (const LetterAccuracy &letter : letters) {
        // Characters beyond the letters count once they have been sent.
        if (letter.outcomes == 0 && !letter.letter.isLetter())
            continue;
        if (letter.outcomes == 0)
            none << QString(letter.letter);
        else if (letter.outcomes < recentReadings)
            fewer << QStringLiteral("%1 %2").arg(letter.letter).arg(letter.outcomes);
    }
    if (fewer.isEmpty() && none.size() == 26)
        return QString();
    QString text =
        QStringLiteral("Each bar stands on its letter's last %1 readings").arg(recentReadings);
    if (!fewer.isEmpty())
        text += QStringLiteral("; fewer for ") + fewer.join(QStringLiteral(", "));
    if (!none.isEmpty())
        text += QStringLiteral("; none yet for ") + none.join(QStringLiteral(", "));
    return text + u'.';
}

QString confusionsText(const std::vector<Confusion> &ranked)
{
    if (ranked.empty())
        return QStringLiteral("No letter has been read as another yet.");
    QStringList lines;
    for (std::size_t i = 0; i < std::min(ranked.size(), shownConfusions); ++i)
        lines << confusionText(ranked[i]);
    return lines.join(u'\n');
}

} // namespace

ProgressWindow::ProgressWindow(PracticeHistory &history, QWidget *parent)
    : ProgressView(parent, Qt::Window), m_history(history)
{
    buildControls();
}

void ProgressWindow::buildControls()
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(QStringLiteral("Progress"));
    // The program's icon, as the main window that opens this one already has it.
    if (parentWidget())
        setWindowIcon(parentWidget()->window()->windowIcon());

    m_lessonSwitch = new QComboBox(this);
    m_lessonSwitch->setObjectName(QStringLiteral("lessonSwitch"));
    m_lessonSwitch->addItem(QStringLiteral("All runs  כל הריצות"), 0);
    for (const Lesson &lesson : lessons) {
        m_lessonSwitch->addItem(
            QStringLiteral("Lesson %1 (%2)").arg(lesson.number).arg(QStringView(lesson.letters)),
            lesson.number);
    }
    m_lessonSwitch->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_accuracyChart = new AccuracyChart(this);
    m_accuracyChart->setObjectName(QStringLiteral("accuracyChart"));

    m_letterChart = new LetterChart(this);
    m_letterChart->setObjectName(QStringLiteral("letterChart"));
    m_weakestLine = textLine(this, QStringLiteral("weakestLine"));
    m_countsLine = textLine(this, QStringLiteral("letterCounts"));

    m_confusionLines = textLine(this, QStringLiteral("confusionLines"));
    m_confusionLines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_confusionLines->setWordWrap(false);

    m_lessonTable = new LessonTable(this);
    m_lessonTable->setObjectName(QStringLiteral("lessonTable"));
    m_adviceLine = textLine(this, QStringLiteral("adviceLine"));

    m_statusLine = textLine(this, QStringLiteral("statusLine"));
    // A kept-aside file's path may be wanted elsewhere.
    m_statusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_statusLine->hide();
    m_exportButton =
        button(this, QStringLiteral("exportButton"), QStringLiteral("&Export CSV…  ייצוא"));
    m_forgetButton = button(this, QStringLiteral("forgetButton"),
                            QStringLiteral("&Forget history…  מחיקת ההיסטוריה"));

    // The letters need the width: below about 20 pixels a bar, Qt Charts cuts their labels.
    auto *runs = new QHBoxLayout();
    QVBoxLayout *accuracy =
        addSection(this, runs, QStringLiteral("&Accuracy per run  דיוק לפי ריצה"), 1);
    accuracy->addWidget(m_lessonSwitch, 0, Qt::AlignLeft);
    accuracy->addWidget(m_accuracyChart);
    QVBoxLayout *perLesson = addSection(this, runs, QStringLiteral("Per lesson  לפי שיעור"), 0);
    perLesson->addWidget(m_lessonTable);
    perLesson->addWidget(m_adviceLine);
    perLesson->addStretch();
    auto *letters = new QHBoxLayout();
    QVBoxLayout *perLetter =
        addSection(this, letters, QStringLiteral("Accuracy per letter  דיוק לפי אות"), 1);
    perLetter->addWidget(m_letterChart);
    perLetter->addWidget(m_weakestLine);
    perLetter->addWidget(m_countsLine);
    QVBoxLayout *confused =
        addSection(this, letters, QStringLiteral("Top confusions  בלבולים נפוצים"), 0);
    confused->addWidget(m_confusionLines);
    confused->addStretch();
    confused->parentWidget()->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto *buttons = new QHBoxLayout();
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_forgetButton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(runs, 1);
    layout->addLayout(letters, 1);
    layout->addWidget(m_statusLine);
    layout->addLayout(buttons);
    resize(900, 700);

    connect(m_lessonSwitch, &QComboBox::currentIndexChanged, this,
            &ProgressWindow::showChosenSeries);
    connect(m_exportButton, &QPushButton::clicked, this, &ProgressWindow::exportCsv);
    connect(m_forgetButton, &QPushButton::clicked, this, &ProgressWindow::forgetHistory);
}

void ProgressWindow::refresh()
{
    const std::optional<std::vector<RunRecord>> read = m_history.allRuns();
    m_readError = read ? QString() : m_history.lastError();
    if (QString problem = m_history.takeProblem(); !problem.isEmpty())
        m_problem = std::move(problem);
    const std::vector<RunRecord> &runs = read ? *read : std::vector<RunRecord>();
    m_noRuns = runs.empty();

    m_series[0] = accuracySeries(runs);
    for (int lesson = 1; lesson <= lessonCount; ++lesson)
        m_series[std::size_t(lesson)] = accuracySeries(runs, lesson);
    showChosenSeries();

    const std::array<LetterAccuracy, sendableCount> letters =
        letterAccuracies(runs, recentReadings);
    m_letterChart->showLetters(letters);
    m_weakestLine->setText(weakestText(letters));
    m_countsLine->setText(countsText(letters));
    m_confusionLines->setText(confusionsText(confusions(runs)));

    const std::array<LessonProgress, lessonCount> progress = lessonProgress(runs);
    m_lessonTable->showLessons(progress);
    const std::optional<int> next = nextLesson(progress);
    m_adviceLine->setText(adviceLine(next, next ? lettersOf(*next) : QStringView()));

    m_actionResult.clear();
    showStatus();
}

void ProgressWindow::showChosenSeries()
{
    const int lesson = m_lessonSwitch->currentData().toInt();
    m_accuracyChart->showSeries(m_series[std::size_t(std::clamp(lesson, 0, lessonCount))]);
}

void ProgressWindow::showStatus()
{
    QStringList lines;
    if (!m_problem.isEmpty())
        lines << m_problem;
    if (!m_readError.isEmpty())
        lines << m_readError;
    else if (m_noRuns)
        lines << QStringLiteral("No runs stored yet: type what you read during a run, and the "
                                "run is kept here.");
    if (!m_actionResult.isEmpty())
        lines << m_actionResult;
    m_statusLine->setText(lines.join(u'\n'));
    m_statusLine->setVisible(!lines.isEmpty());
}

void ProgressWindow::exportCsv()
{
    const QString path = m_dialogs->saveFileName(*this);
    if (path.isEmpty())
        return;
    m_actionResult =
        m_history.exportCsv(path)
            ? QStringLiteral("The runs were written to %1.").arg(QDir::toNativeSeparators(path))
            : m_history.lastError();
    showStatus();
}

void ProgressWindow::forgetHistory()
{
    if (!m_dialogs->confirmForget(*this))
        return;
    const bool forgotten = m_history.forgetAll();
    const QString failure = forgotten ? QString() : m_history.lastError();
    refresh();
    m_actionResult = failure;
    showStatus();
}

} // namespace blinket
