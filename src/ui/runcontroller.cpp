// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/runcontroller.h"

#include "practice/practicesession.h"
#include "practice/weakletters.h"
#include "runs/codesignals.h"
#include "runs/hebrewlessons.h"
#include "runs/keyedreceiver.h"
#include "runs/keyingexercise.h"
#include "runs/lessons.h"
#include "runs/messagedrill.h"
#include "runs/textrun.h"
#include "runs/timedruns.h"
#include "signal/characters.h"
#include "ui/lampkeywatcher.h"
#include "ui/light/lamplight.h"

#include <QDateTime>
#include <QDir>
#include <QWidget>

namespace blinket {

namespace {

QString charactersChosen(const Options &options)
{
    return charactersOf(
        {options.letters, options.figures, options.punctuation, options.procedure, options.hebrew});
}

// A message's text holds no procedure sign: those are the procedure's own steps. BT and KN are
// sent as = and (, which stay when punctuation is chosen.
QString textCharacters(const Options &options)
{
    return charactersOf(
        {options.letters, options.figures, options.punctuation, false, options.hebrew});
}

// What a word of a text may hold: the chosen alphabet's letters, and the other characters but
// the procedure signs when asked.
QString wordCharacters(const Options &options, bool procedure)
{
    return charactersOf({!options.hebrew, true, true, procedure, options.hebrew});
}

} // namespace

// What a request runs: the exercise, what it reads from, and what is kept of it.
struct RunController::Prepared
{
    std::optional<TextSource> words;
    std::unique_ptr<Exercise> exercise;
    // For a run whose copy is kept: its kind, and what it draws from besides A to Z (a key that
    // stands for one of those counts in its copy).
    std::optional<RunRecord> record;
    QString runCharacters;
    bool drill = false;
    bool keying = false;
    // A message drill answered with the lamp key too.
    std::unique_ptr<KeyedReceiver> keyedAnswers;
    QStringList problems;
};

RunController::RunController(QWidget &window, RunView &view, SignalElements &elements,
                             Platform &platform, WindowState &state, ErrorGuard &guard,
                             PracticeSession &session)
    : QObject(&window), m_window(window), m_view(view), m_platform(platform), m_state(state),
      m_guard(guard), m_session(session), m_messageBoxes(&window),
      m_sender(view, elements, platform, state),
      m_collector(new CopyCollector(window, session, platform))
{}

RunController::~RunController() = default;

void RunController::handOverTo(QWidget &copyBox)
{
    m_collector->handOverTo(copyBox);
}

void RunController::run(const RunRequest &request)
{
    // The speed check shows the whole window while it sends; a second run started from there
    // would tangle both in one results box.
    if (m_underWay)
        return;
    m_collector->stop();
    const OptionsReading reading = readOptions(*optionsFile());
    Prepared prepared = prepare(request, reading.options);
    QStringList problems;
    for (const OptionProblem &problem : reading.problems)
        problems << problem.why;
    problems += prepared.problems;
    tellOnce(problems);
    if (m_platform.endRequested())
        return;

    m_underWay = true;
    emit runStarting();
    m_sender.setLetterSpeed(reading.options.letterSpeed);
    m_sender.setTiming(reading.options.timing);
    // The lamp shows the run's light from its start; each run's hand and shimmer differ.
    m_view.setLight(reading.options.light);
    m_sender.setLight(reading.options.light, freshLightSeed());
    if (prepared.record) {
        m_session.beginRun(*prepared.record, prepared.runCharacters);
        if (prepared.drill)
            m_collector->startDrill(prepared.runCharacters);
        else
            m_collector->start();
    }
    if (prepared.keying || prepared.keyedAnswers) {
        m_lampKey->setKey(lampKeyCode(reading.options.lampKey).value_or(Qt::Key_Space));
        // A drill's Enter acknowledges, as it does without the lamp key.
        m_lampKey->setTakesEnter(prepared.keying);
    }
    if (prepared.keyedAnswers)
        m_lampKey->listen();
    // The lamp key is the main window's: the grade window's Key another leaves the keyboard
    // there.
    if (prepared.keying || prepared.keyedAnswers)
        m_window.activateWindow();
    RunResult result;
    bool failed = false;
    m_guard.run([&] { result = prepared.exercise->run(); },
                [&] {
                    failed = true;
                    // Collecting ends before the error is told: a key pressed to close the
                    // message is the message's.
                    m_collector->stop();
                    m_sender.restoreAfterError();
                });
    if (prepared.keyedAnswers) {
        m_lampKey->stopListening();
        m_keyingUnit = prepared.keyedAnswers->unit();
    }
    const bool completed = !failed && !m_platform.endRequested();
    // A run ends without looking at events after its last letter; keys typed while that
    // letter was sent still belong to its copy.
    if (prepared.record && completed)
        m_guard.run([this] { m_platform.processEvents(); });
    m_underWay = false;
    if (prepared.record)
        endCopy(completed && !m_platform.endRequested(), result);
    if (m_platform.endRequested())
        return;
    emit runOver();
    if (completed && result.keying)
        keepKeying(result, reading.options.timing);
}

RunController::Prepared RunController::prepare(const RunRequest &request, const Options &options)
{
    Prepared prepared;
    RunRecord record;
    switch (request.what) {
    case RunRequest::What::AtoZ:
        record.kind = RunKind::AtoZ;
        prepared.runCharacters = charactersChosen(options);
        prepared.exercise =
            std::make_unique<RandomRun>(m_sender, evenChoice(prepared.runCharacters));
        break;
    case RunRequest::What::SpeedCheck:
        // PARIS, not characters to read: nothing typed then is kept.
        prepared.exercise = std::make_unique<SpeedCheck>(m_sender);
        return prepared;
    case RunRequest::What::Lesson: {
        record.kind = RunKind::Lesson;
        const std::optional<Lesson> lesson = lessonAt(request.lessonIndex);
        record.lesson = lesson ? lesson->number : 0;
        prepared.exercise = std::make_unique<LessonRun>(m_sender, request.lessonIndex);
        break;
    }
    case RunRequest::What::HebrewLesson: {
        record.kind = RunKind::Lesson;
        record.lesson = request.hebrewLesson;
        // Typed as any run of Hebrew letters: a Latin key is the Hebrew letter on its key.
        prepared.runCharacters = hebrewLetters().toString();
        prepared.exercise = std::make_unique<HebrewLessonRun>(
            m_sender, hebrewLessonKeptAs(request.hebrewLesson).value_or(HebrewLesson{0, u""}));
        break;
    }
    case RunRequest::What::WeakLetters: {
        record.kind = RunKind::WeakLetters;
        prepared.runCharacters = charactersChosen(options);
        // A history that cannot be read gives no weights: the run is then even, like A to Z.
        const std::vector<RunRecord> runs =
            m_session.history().allRuns().value_or(std::vector<RunRecord>{});
        prepared.exercise = std::make_unique<RandomRun>(
            m_sender, [weights = letterWeights(runs, prepared.runCharacters)](float r) {
                return weightedLetter(weights, r);
            });
        break;
    }
    case RunRequest::What::Text:
        record.kind = RunKind::Text;
        // Words of a text may hold any character that can be sent, of one alphabet.
        prepared.runCharacters = wordCharacters(options, true);
        prepared.words = textWords(options, prepared.runCharacters, prepared.problems);
        prepared.exercise = std::make_unique<TextRun>(m_sender, *prepared.words);
        break;
    case RunRequest::What::Drill: {
        record.kind = options.drillExam ? RunKind::Exam : RunKind::Drill;
        const DrillForm form = options.drillExam ? DrillForm::Exam : DrillForm::Practice;
        prepared.drill = true;
        prepared.runCharacters = wordCharacters(options, true);
        Receiver *receiver = m_collector;
        if (options.keyingInDrill && m_lampKey) {
            prepared.keyedAnswers =
                std::make_unique<KeyedReceiver>(*m_collector, *m_lampKey, m_keyingUnit);
            receiver = prepared.keyedAnswers.get();
        }
        std::unique_ptr<MessageDrill> drill;
        if (options.drillWords) {
            prepared.words = textWords(options, wordCharacters(options, false), prepared.problems);
            drill = std::make_unique<MessageDrill>(m_sender, *receiver, form, *prepared.words);
        } else {
            drill = std::make_unique<MessageDrill>(m_sender, *receiver, form,
                                                   evenChoice(textCharacters(options)));
        }
        if (options.hebrew)
            drill->identifyWith(hebrewLetters().toString());
        prepared.exercise = std::move(drill);
        break;
    }
    case RunRequest::What::Keying:
        prepareKeying(prepared, options);
        return prepared;
    }
    record.timing = options.timing;
    record.light = options.light;
    prepared.record = record;
    return prepared;
}

TextSource RunController::textWords(const Options &options, QStringView sendable,
                                    QStringList &problems)
{
    std::optional<TextSource> words;
    if (!options.textFile.isEmpty()) {
        QString error;
        words = TextSource::fromFile(options.textFile, sendable, &error);
        if (!words)
            problems << error + u' ' + tr("Text runs send the built-in words meanwhile.");
    }
    if (!words)
        words = TextSource::builtIn(sendable);
    words->startAt(m_platform.Rnd());
    return std::move(*words);
}

void RunController::prepareKeying(Prepared &prepared, const Options &options)
{
    prepared.keying = true;
    QString asked;
    QString prompt;
    switch (options.keyingText) {
    case KeyingText::Groups: {
        const LetterChoice choice = evenChoice(textCharacters(options));
        for (int i = 0; i < 5; ++i)
            asked += choice(m_platform.Rnd());
        prompt = asked;
        break;
    }
    case KeyingText::Words: {
        // A word of the text runs' source that can be keyed: one with no procedure sign.
        prepared.words = textWords(options, wordCharacters(options, false), prepared.problems);
        asked = prepared.words->nextWord();
        prompt = asked;
        break;
    }
    case KeyingText::Signals: {
        const std::span<const CodeSignal> table = codeSignals();
        const auto at =
            std::min(std::size_t(m_platform.Rnd() * float(table.size())), table.size() - 1);
        asked = QString::fromUtf16(table[at].letters);
        prompt = signalPrompt(table[at]);
        break;
    }
    }
    prepared.exercise =
        std::make_unique<KeyingExercise>(m_sender, *m_lampKey, asked, prompt, m_keyingUnit);
}

void RunController::keepKeying(const RunResult &result, Timing timing)
{
    const KeyingGrade &grade = *result.keying;
    if (grade.figures.wordsPerMinute > 0.0)
        m_keyingUnit = 1.2 / grade.figures.wordsPerMinute;
    RunRecord run;
    run.kind = RunKind::Keying;
    run.timing = timing;
    // From the first press.
    run.startedUtc =
        QDateTime::currentDateTimeUtc().addMSecs(-qint64(double(result.seconds) * 1000.0));
    run.speed = m_view.combo1Text();
    run.unit = m_state.Unit;
    run.minutes = m_view.text2Text();
    run.elapsedSeconds = result.seconds;
    emit keyingGraded(grade, m_session.keepKeying(run, grade.asked, grade.read, grade.figures));
}

void RunController::tellOnce(const QStringList &problems)
{
    // Each once: a learner told of a bad option at every run would stop reading.
    QStringList news;
    for (const QString &problem : problems) {
        if (!m_told.contains(problem))
            news << problem;
    }
    if (news.isEmpty())
        return;
    m_told += news;
    QString text = tr("%n option(s) in %1 cannot be used, so runs go on without them:", nullptr,
                      int(news.size()))
                       .arg(QDir::toNativeSeparators(optionsFilePath()));
    for (const QString &problem : news)
        text += QStringLiteral("\n• ") + problem;
    text += u'\n' + tr("The Options window (Alt+O) shows them and mends them.");
    m_notices->tell(text);
}

void RunController::endCopy(bool completed, const RunResult &result)
{
    // Before anything is reported: a key meant for a message box is the message box's.
    m_collector->stop();
    if (!completed) {
        m_session.abandonRun();
        return;
    }
    RunRecord run;
    run.speed = m_state.Speed;
    run.unit = m_state.Unit;
    run.minutes = m_view.text2Text();
    run.elapsedSeconds = result.seconds;
    // A drill's copy is the answers to its text: the procedure's own signs and answers are
    // not part of it.
    if (result.drill) {
        for (const QChar typed : result.drill->copy)
            m_session.type(QString(typed));
        run.repeats = result.drill->repeats;
    }
    m_session.endRun(run, result.lettersSent);
}

} // namespace blinket
