// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/progress/progresswindow.h"

#include "runs/hebrewlessons.h"
#include "runs/runkind.h"
#include "ui/inlineletters.h"
#include "ui/progress/accuracychart.h"
#include "ui/progress/lessontable.h"
#include "ui/progress/letterchart.h"
#include "ui/progress/lighttable.h"
#include "ui/scrolled.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>

#include <algorithm>

namespace blinket {

namespace {

constexpr std::size_t shownConfusions = 10;
static_assert(weakestReadings == 10, "the weakest line says ten readings");

QLabel *textLine(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption = QString())
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

} // namespace

ProgressWindow::ProgressWindow(ProgressSource &source, QWidget *parent)
    : ProgressView(parent, Qt::Window), m_source(source)
{
    buildControls();
}

void ProgressWindow::buildControls()
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(tr("Progress"));
    // The program's icon, as the main window that opens this one already has it.
    if (parentWidget())
        setWindowIcon(parentWidget()->window()->windowIcon());

    m_runSwitch = new QComboBox(this);
    m_runSwitch->setObjectName(QStringLiteral("runSwitch"));
    m_runSwitch->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // What a keying is judged by beside its accuracy: how well it was formed.
    m_measureSwitch = new QComboBox(this);
    m_measureSwitch->setObjectName(QStringLiteral("measureSwitch"));
    m_measureSwitch->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_measureSwitch->addItems({tr("Accuracy"), tr("Merit of keyings")});
    m_measureSwitch->hide();
    m_accuracyChart = new AccuracyChart(this);
    m_accuracyChart->setObjectName(QStringLiteral("accuracyChart"));
    m_meritChart = new AccuracyChart(this, RunMeasure::Merit);
    m_meritChart->setObjectName(QStringLiteral("meritChart"));
    // In place of a bare chart when the runs chosen are none.
    m_noRunsLabel = new QLabel(tr("No runs yet"), this);
    m_noRunsLabel->setObjectName(QStringLiteral("noRunsLabel"));
    m_noRunsLabel->setAlignment(Qt::AlignCenter);
    m_runPages = new QStackedWidget(this);
    m_runPages->addWidget(m_accuracyChart);
    m_runPages->addWidget(m_noRunsLabel);
    m_runPages->addWidget(m_meritChart);

    m_letterChart = new LetterChart(this);
    m_letterChart->setObjectName(QStringLiteral("letterChart"));
    m_weakestLine = textLine(this, QStringLiteral("weakestLine"));
    m_countsLine = textLine(this, QStringLiteral("letterCounts"));

    m_confusionLines = textLine(this, QStringLiteral("confusionLines"));
    m_confusionLines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_confusionLines->setWordWrap(false);

    m_lessonTable = new LessonTable(this);
    m_lessonTable->setObjectName(QStringLiteral("lessonTable"));
    m_lightTable = new LightTable(this);
    m_lightTable->setObjectName(QStringLiteral("lightTable"));
    m_adviceLine = textLine(this, QStringLiteral("adviceLine"));
    m_startLessonButton = button(this, QStringLiteral("startLessonButton"));
    m_weakLettersButton =
        button(this, QStringLiteral("weakLettersRunButton"), tr("Practise &weak letters"));

    m_statusLine = textLine(this, QStringLiteral("statusLine"));
    // A kept-aside file's path may be wanted elsewhere.
    m_statusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_statusLine->hide();
    m_exportButton = button(this, QStringLiteral("exportButton"), tr("&Export CSV…"));
    m_forgetButton = button(this, QStringLiteral("forgetButton"), tr("&Forget history…"));
    m_closeButton = button(this, QStringLiteral("closeButton"), tr("&Close"));

    // The characters have the whole width: with figures and signs sent there are up to 51
    // bars, and Qt Charts cuts short a label wider than its bar's room.
    auto *runs = new QHBoxLayout();
    QVBoxLayout *accuracy = addSection(this, runs, tr("&Accuracy per run"), 1);
    auto *switches = new QHBoxLayout();
    switches->addWidget(m_runSwitch);
    switches->addWidget(m_measureSwitch);
    switches->addStretch();
    accuracy->addLayout(switches);
    accuracy->addWidget(m_runPages);
    QVBoxLayout *confused = addSection(this, runs, tr("Top confusions"), 0);
    confused->addWidget(m_confusionLines);
    confused->addStretch();
    QVBoxLayout *perLesson = addSection(this, runs, tr("Per lesson"), 0);
    perLesson->addWidget(m_lessonTable);
    perLesson->addWidget(m_adviceLine);
    auto *advised = new QHBoxLayout();
    advised->addWidget(m_startLessonButton);
    advised->addWidget(m_weakLettersButton);
    advised->addStretch();
    perLesson->addLayout(advised);
    perLesson->addStretch();
    auto *letters = new QHBoxLayout();
    QVBoxLayout *perCharacter = addSection(this, letters, tr("Accuracy per character"), 1);
    // Each character's label whole: with more characters than the width holds, the chart
    // scrolls sideways.
    QScrollArea *chartScroll = scrolled(m_letterChart, this, QStringLiteral("letterChartScroll"));
    chartScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tall enough for the labels under the bars, which Qt Charts cuts short in a low chart.
    chartScroll->setMinimumHeight(180);
    perCharacter->addWidget(chartScroll, 1);
    perCharacter->addWidget(m_weakestLine);
    perCharacter->addWidget(m_countsLine);
    // Beside the characters, which scroll sideways when the table takes their room.
    QVBoxLayout *byLight = addSection(this, letters, tr("By light"), 0);
    byLight->addWidget(m_lightTable);
    byLight->addStretch();
    m_byLight = byLight->parentWidget();
    m_byLight->setObjectName(QStringLiteral("byLight"));
    m_byLight->hide();
    auto *buttons = new QHBoxLayout();
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_forgetButton);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);

    // All but the buttons scroll where the screen is too small for them: Close stays in reach.
    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addLayout(runs, 1);
    contentLayout->addLayout(letters, 1);
    contentLayout->addWidget(m_statusLine);
    QScrollArea *scroll = scrolled(content, this, QStringLiteral("progressScroll"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    resize(900, 700);

    connect(m_runSwitch, &QComboBox::currentIndexChanged, this, &ProgressWindow::showChosenSeries);
    connect(m_measureSwitch, &QComboBox::currentIndexChanged, this,
            &ProgressWindow::showChosenSeries);
    connect(m_startLessonButton, &QPushButton::clicked, this, [this] {
        if (m_nextLesson)
            m_source.startLesson(*m_nextLesson);
    });
    connect(m_weakLettersButton, &QPushButton::clicked, this,
            [this] { m_source.startWeakLetters(); });
    connect(m_exportButton, &QPushButton::clicked, this, &ProgressWindow::exportCsv);
    connect(m_forgetButton, &QPushButton::clicked, this, &ProgressWindow::forgetHistory);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void ProgressWindow::refresh()
{
    ProgressReport report = m_source.report();
    if (!report.problem.isEmpty())
        m_problem = report.problem;
    m_readError = report.readError;
    m_noRuns = report.noRuns();

    m_series = std::move(report.series);
    fillRunSwitch();
    showChosenSeries();

    m_letterChart->showCharacters(report);
    m_weakestLine->setText(weakestText(report));
    m_countsLine->setText(countsText(report.characters));
    m_confusionLines->setText(confusionsText(report));

    m_lessonTable->showLessons(report.lessons);
    showAdvice(report);

    m_lightTable->showLights(report.lights);
    m_byLight->setVisible(report.readUnderLights());

    m_actionResult.clear();
    showStatus();
}

void ProgressWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    ProgressView::keyPressEvent(event);
}

void ProgressWindow::fillRunSwitch()
{
    // The groups are always the same; their captions are made once, at the first reading.
    if (m_runSwitch->count() == int(m_series.size()))
        return;
    const QSignalBlocker quiet(m_runSwitch);
    m_runSwitch->clear();
    for (const RunSeries &series : m_series)
        m_runSwitch->addItem(seriesCaption(series));
}

QString ProgressWindow::seriesCaption(const RunSeries &series) const
{
    switch (series.group) {
    case RunGroup::All:
        return tr("All runs");
    case RunGroup::AtoZ:
        return tr("A to Z");
    case RunGroup::WeakLetters:
        return tr("Weak letters");
    case RunGroup::Lesson:
        if (hebrewLessonKeptAs(series.lesson))
            return kindName(RunKind::Lesson, series.lesson);
        return tr("Lesson %1 (%2)").arg(series.lesson).arg(series.letters);
    case RunGroup::Text:
        return tr("Text runs");
    case RunGroup::Messages:
        return tr("Message drills");
    case RunGroup::Keying:
        return tr("Keying");
    }
    return QString();
}

void ProgressWindow::showChosenSeries()
{
    const int chosen = m_runSwitch->currentIndex();
    if (chosen < 0 || chosen >= int(m_series.size()))
        return;
    const RunSeries &series = m_series[std::size_t(chosen)];
    const bool keyed =
        std::ranges::any_of(series.runs, [](const RunPoint &run) { return run.merit.has_value(); });
    m_measureSwitch->setVisible(keyed);
    m_accuracyChart->showRuns(series.runs);
    m_meritChart->showRuns(series.runs);
    QWidget *shown = m_accuracyChart;
    if (series.runs.empty())
        shown = m_noRunsLabel;
    else if (keyed && m_measureSwitch->currentIndex() == 1)
        shown = m_meritChart;
    m_runPages->setCurrentWidget(shown);
}

void ProgressWindow::showAdvice(const ProgressReport &report)
{
    m_nextLesson = report.nextLesson;
    m_startLessonButton->setVisible(m_nextLesson.has_value());
    if (!m_nextLesson) {
        m_adviceLine->setText(report.hebrewLessons ? tr("All eight Hebrew lessons are mastered.")
                                                   : tr("All twelve lessons are mastered."));
        return;
    }
    const auto lesson = std::ranges::find(report.lessons, *m_nextLesson, &LessonReport::lesson);
    const QString letters = lesson == report.lessons.end() ? QString() : lesson->letters;
    const int shown = shownLessonNumber(*m_nextLesson);
    if (report.hebrewLessons) {
        m_adviceLine->setText(tr("Next: Hebrew lesson %1 (%2).")
                                  .arg(shown)
                                  .arg(inLine(lessonLetters(letters), layoutDirection())));
        m_startLessonButton->setText(tr("&Start Hebrew lesson %1").arg(shown));
        return;
    }
    m_adviceLine->setText(tr("Next: lesson %1 (%2).").arg(shown).arg(letters));
    m_startLessonButton->setText(tr("&Start lesson %1").arg(shown));
}

QString ProgressWindow::weakestText(const ProgressReport &report) const
{
    const auto weakest = report.weakest ? std::ranges::find(report.characters, *report.weakest,
                                                            &CharacterReport::character)
                                        : report.characters.end();
    // The lowest of all read at least once, the fewest readings first on a tie.
    const CharacterReport *lowest = nullptr;
    for (const CharacterReport &shown : report.characters) {
        if (shown.readings > 0 && (!lowest || std::pair(shown.accuracy, shown.readings) <
                                                  std::pair(lowest->accuracy, lowest->readings)))
            lowest = &shown;
    }
    if (!lowest)
        return tr("No letter sent yet.");
    const auto unsure = [this](const CharacterReport &shown) {
        return tr("but %n reading(s) are too few to be sure: a character is judged on ten or "
                  "more.",
                  nullptr, shown.readings);
    };
    if (weakest == report.characters.end()) {
        return tr("Lowest so far: %1, %2 of %3 read right (%4), %5")
            .arg(inLine(lowest->name(), layoutDirection()))
            .arg(lowest->right)
            .arg(lowest->readings)
            .arg(percentText(lowest->accuracy), unsure(*lowest));
    }
    QString text = tr("Weakest, hatched: %1, %2 of the last %3 read right (%4).")
                       .arg(inLine(weakest->name(), layoutDirection()))
                       .arg(weakest->right)
                       .arg(weakest->readings)
                       .arg(percentText(weakest->accuracy));
    if (lowest->accuracy < weakest->accuracy) {
        text += u' ' + tr("%1 is lower, %2 of %3 read right (%4), %5")
                           .arg(inLine(lowest->name(), layoutDirection()))
                           .arg(lowest->right)
                           .arg(lowest->readings)
                           .arg(percentText(lowest->accuracy), unsure(*lowest));
    }
    return text;
}

// What the bars stand on, and which characters to read more: those with too few readings to
// be sure of; nothing before the first character was sent.
QString ProgressWindow::countsText(const std::vector<CharacterReport> &characters) const
{
    QStringList few;
    QStringList none;
    for (const CharacterReport &shown : characters) {
        if (shown.readings == 0)
            none << inLine(shown.name(), layoutDirection());
        else if (shown.readings < weakestReadings)
            few << inLine(shown.name(), layoutDirection());
    }
    if (none.size() == qsizetype(characters.size()))
        return QString();
    QStringList lines{tr("Each bar is the share read right of its character's last %1 readings.")
                          .arg(recentReadings)};
    if (!few.isEmpty())
        lines << tr("Read these more, to be sure of them: %1.").arg(few.join(QStringLiteral(", ")));
    if (!none.isEmpty())
        lines << tr("Not sent yet: %1.").arg(none.join(QStringLiteral(", ")));
    return lines.join(u'\n');
}

QString ProgressWindow::confusionsText(const ProgressReport &report) const
{
    if (report.confusions.empty())
        return tr("No letter has been read as another yet.");
    QStringList lines;
    for (std::size_t i = 0; i < std::min(report.confusions.size(), shownConfusions); ++i) {
        const Confusion &confusion = report.confusions[i];
        lines << tr("%1 read as %2: %3")
                     .arg(inLine(report.nameOf(confusion.sent), layoutDirection()),
                          inLine(report.nameOf(confusion.readAs), layoutDirection()))
                     .arg(confusion.count);
    }
    return lines.join(u'\n');
}

void ProgressWindow::showStatus()
{
    QStringList lines;
    if (!m_problem.isEmpty())
        lines << m_problem;
    if (!m_readError.isEmpty())
        lines << m_readError;
    else if (m_noRuns)
        lines << tr("No runs stored yet: type what you read during a run, and the run is kept "
                    "here.");
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
    const QString failure = m_source.exportCsv(path);
    m_actionResult = failure.isEmpty()
                         ? tr("The runs were written to %1.").arg(QDir::toNativeSeparators(path))
                         : failure;
    showStatus();
}

void ProgressWindow::forgetHistory()
{
    if (!m_dialogs->confirmForget(*this))
        return;
    // The session tells every window that shows the history, this one among them, which reads
    // it again; what is left to tell is a failure.
    m_actionResult = m_source.forgetHistory();
    showStatus();
}

} // namespace blinket
