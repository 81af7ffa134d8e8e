// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/options/optionswindow.h"

#include "runs/textsource.h"
#include "signal/characters.h"
#include "ui/filedialog.h"
#include "ui/light/lightpreview.h"
#include "ui/options/keycatcher.h"
#include "ui/scrolled.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>

#include <tuple>

namespace blinket {

namespace {

// The options whose problems show under one control each.
constexpr OptionKey drillKeys[] = {OptionKey::DrillText, OptionKey::DrillExam};
constexpr OptionKey keyingKeys[] = {OptionKey::LampKey, OptionKey::KeyingText,
                                    OptionKey::KeyingInDrill};
constexpr OptionKey lightKeys[] = {OptionKey::LightDistance, OptionKey::LightHaze,
                                   OptionKey::LightShimmer,  OptionKey::LightSky,
                                   OptionKey::LightShutter,  OptionKey::LightHand};

QLabel *note(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// What a text run sends: the alphabet chosen, with the figures, punctuation marks and
// procedure signs a text may hold.
QString wordCharacters(const Options &options)
{
    return charactersOf({!options.hebrew, true, true, true, options.hebrew});
}

// The characters themselves beside the group's name, so that nobody has to guess.
QCheckBox *groupBox(QWidget *parent, const QString &name, const QString &caption,
                    CharacterGroup group)
{
    QString characters;
    for (const QChar c : sendableCharacters()) {
        if (belongsTo(c, group))
            characters += c;
    }
    auto *box = new QCheckBox(QCoreApplication::translate("blinket::OptionsWindow", "%1: %2",
                                                          "a group's name and its characters")
                                  .arg(caption, characters),
                              parent);
    box->setObjectName(name);
    return box;
}

// A whole number from 0 to most, written when typed to its end or stepped.
QSpinBox *amountBox(QWidget *parent, const QString &name, int most)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, most);
    box->setKeyboardTracking(false);
    return box;
}

// A number or a choice turns with the wheel only once it has the keyboard: a wheel turned to
// scroll the window past it scrolls the window, and changes nothing the file keeps.
class WheelGuard : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::Wheel || !widget || widget->hasFocus() ||
            !widget->parentWidget())
            return false;
        QCoreApplication::sendEvent(widget->parentWidget(), event);
        return true;
    }
};

} // namespace

OptionsWindow::OptionsWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(tr("Options"));

    auto *signal = new QGroupBox(tr("Letter speed"), this);
    m_letterSpeed = new QLineEdit(signal);
    m_letterSpeed->setObjectName(QStringLiteral("letterSpeed"));
    m_letterSpeed->setPlaceholderText(tr("none"));
    m_letterSpeedProblem = note(signal, QStringLiteral("letterSpeedProblem"));
    QLabel *letterSpeedNote = note(signal, QString());
    letterSpeedNote->setText(tr("Each letter is sent at this speed, and the gaps between letters "
                                "and groups are longer, so that a run keeps the pace of the "
                                "speed: the eye learns each letter's whole shape. Empty, or not "
                                "above the speed: letters at the speed."));
    // The explanation wraps under the box, at the group's whole width.
    auto *letterSpeedRow = new QHBoxLayout;
    auto *letterSpeedLabel = new QLabel(tr("Letters at (words a minute):"), signal);
    letterSpeedLabel->setBuddy(m_letterSpeed);
    letterSpeedRow->addWidget(letterSpeedLabel);
    letterSpeedRow->addWidget(m_letterSpeed, 1);
    auto *signalLayout = new QVBoxLayout(signal);
    signalLayout->addLayout(letterSpeedRow);
    signalLayout->addWidget(letterSpeedNote);
    signalLayout->addWidget(m_letterSpeedProblem);

    auto *timing = new QGroupBox(tr("Timing"), this);
    m_timingOwn = new QRadioButton(tr("This program's own"), timing);
    m_timingOwn->setObjectName(QStringLiteral("timingOwn"));
    m_timingInternational = new QRadioButton(tr("International"), timing);
    m_timingInternational->setObjectName(QStringLiteral("timingInternational"));
    QLabel *timingNote = note(timing, QString());
    timingNote->setText(tr("International: a dot lasts 1200 / speed ms and a dash three dots; the "
                           "gaps inside a letter, between letters and between groups or words "
                           "last one, three and seven dots."));
    m_timingProblem = note(timing, QStringLiteral("timingProblem"));
    auto *timingLayout = new QVBoxLayout(timing);
    timingLayout->addWidget(m_timingOwn);
    timingLayout->addWidget(m_timingInternational);
    timingLayout->addWidget(timingNote);
    timingLayout->addWidget(m_timingProblem);

    auto *characters = new QGroupBox(tr("Characters of A to Z and Weak letters runs"), this);
    m_letters = new QCheckBox(tr("Letters: A to Z"), characters);
    m_letters->setObjectName(QStringLiteral("letters"));
    // In place of A to Z: the two alphabets share their signs.
    m_hebrew = groupBox(characters, QStringLiteral("hebrew"), tr("Hebrew letters"),
                        CharacterGroup::HebrewLetters);
    m_figures =
        groupBox(characters, QStringLiteral("figures"), tr("Figures"), CharacterGroup::Figures);
    m_punctuation = groupBox(characters, QStringLiteral("punctuation"), tr("Punctuation"),
                             CharacterGroup::Punctuation);
    // Written as one character each, so each is named beside it.
    m_procedure =
        new QCheckBox(tr("Procedure signs: ^ AA, + AR, && AS, = BT, ( KN, % SK"), characters);
    m_procedure->setObjectName(QStringLiteral("procedure"));
    m_charactersProblem = note(characters, QStringLiteral("charactersProblem"));
    auto *charactersLayout = new QVBoxLayout(characters);
    for (QCheckBox *box : {m_letters, m_hebrew, m_figures, m_punctuation, m_procedure})
        charactersLayout->addWidget(box);
    charactersLayout->addWidget(m_charactersProblem);

    auto *text = new QGroupBox(tr("Text runs"), this);
    m_textFile = new QLineEdit(text);
    m_textFile->setObjectName(QStringLiteral("textFile"));
    m_textFile->setReadOnly(true);
    m_textFile->setPlaceholderText(tr("the built-in words"));
    auto *choose = new QPushButton(tr("C&hoose a text file…"), text);
    choose->setObjectName(QStringLiteral("chooseTextFile"));
    auto *builtIn = new QPushButton(tr("&Built-in words"), text);
    builtIn->setObjectName(QStringLiteral("builtInWords"));
    m_textFileWords = note(text, QStringLiteral("textFileWords"));
    auto *textButtons = new QHBoxLayout;
    textButtons->addWidget(choose);
    textButtons->addWidget(builtIn);
    textButtons->addStretch();
    auto *textLayout = new QVBoxLayout(text);
    textLayout->addWidget(m_textFile);
    textLayout->addLayout(textButtons);
    textLayout->addWidget(m_textFileWords);

    auto *drill = new QGroupBox(tr("Message drill"), this);
    m_drillGroups = new QRadioButton(tr("Groups of five"), drill);
    m_drillGroups->setObjectName(QStringLiteral("drillGroups"));
    m_drillWords = new QRadioButton(tr("Words, as in text runs"), drill);
    m_drillWords->setObjectName(QStringLiteral("drillWords"));
    m_drillExam = new QCheckBox(tr("Exam form: five groups, each sent twice, no repeats"), drill);
    m_drillExam->setObjectName(QStringLiteral("drillExam"));
    m_drillProblem = note(drill, QStringLiteral("drillProblem"));
    auto *drillLayout = new QVBoxLayout(drill);
    drillLayout->addWidget(m_drillGroups);
    drillLayout->addWidget(m_drillWords);
    drillLayout->addWidget(m_drillExam);
    drillLayout->addWidget(m_drillProblem);

    auto *keying = new QGroupBox(tr("Keying"), this);
    m_lampKey = new QLabel(keying);
    m_lampKey->setObjectName(QStringLiteral("lampKey"));
    m_lampKey->setTextFormat(Qt::PlainText);
    auto *setLampKey = new KeyCatcher(tr("&Set…"), keying);
    setLampKey->setObjectName(QStringLiteral("setLampKey"));
    auto *lampKeyLabel = new QLabel(tr("Lamp key:"), keying);
    lampKeyLabel->setBuddy(setLampKey);
    auto *lampKeyRow = new QHBoxLayout;
    lampKeyRow->addWidget(lampKeyLabel);
    lampKeyRow->addWidget(m_lampKey);
    lampKeyRow->addWidget(setLampKey);
    lampKeyRow->addStretch();
    // In the order of KeyingText.
    m_keyingText = new QComboBox(keying);
    m_keyingText->setObjectName(QStringLiteral("keyingText"));
    m_keyingText->addItems({tr("Groups of five"), tr("Words, as in text runs"),
                            tr("Signals of the International Code")});
    auto *keyingTextLabel = new QLabel(tr("S&end:"), keying);
    keyingTextLabel->setBuddy(m_keyingText);
    auto *keyingTextRow = new QHBoxLayout;
    keyingTextRow->addWidget(keyingTextLabel);
    keyingTextRow->addWidget(m_keyingText);
    keyingTextRow->addStretch();
    m_keyingInDrill = new QCheckBox(tr("Answer the message drill with the lamp key"), keying);
    m_keyingInDrill->setObjectName(QStringLiteral("keyingInDrill"));
    m_keyingProblem = note(keying, QStringLiteral("keyingProblem"));
    auto *keyingLayout = new QVBoxLayout(keying);
    keyingLayout->addLayout(lampKeyRow);
    keyingLayout->addLayout(keyingTextRow);
    keyingLayout->addWidget(m_keyingInDrill);
    keyingLayout->addWidget(m_keyingProblem);

    auto *light = new QGroupBox(tr("Light"), this);
    m_distance = new QCheckBox(tr("&Far off: a point of light"), light);
    m_distance->setObjectName(QStringLiteral("distance"));
    m_haze = amountBox(light, QStringLiteral("haze"), LightConditions::maxHaze);
    m_shimmer = amountBox(light, QStringLiteral("shimmer"), LightConditions::maxShimmer);
    // In the order of Sky.
    m_sky = new QComboBox(light);
    m_sky->setObjectName(QStringLiteral("sky"));
    m_sky->addItems({tr("The window's own colour"), tr("Day"), tr("Dusk"), tr("Night")});
    m_shutter = amountBox(light, QStringLiteral("shutter"), LightConditions::maxShutterMs);
    m_hand = amountBox(light, QStringLiteral("hand"), LightConditions::maxHandPercent);
    auto *amounts = new QFormLayout;
    amounts->addRow(tr("Ha&ze (0 to 100):"), m_haze);
    amounts->addRow(tr("Shi&mmer (0 to 100):"), m_shimmer);
    amounts->addRow(tr("S&ky:"), m_sky);
    amounts->addRow(tr("Shu&tter (0 to 60 ms):"), m_shutter);
    amounts->addRow(tr("Han&d (0 to 30 %):"), m_hand);
    m_preview = new LightPreview(light);
    m_preview->setObjectName(QStringLiteral("lightPreview"));
    QLabel *lightNote = note(light, QString());
    lightNote->setText(tr("The lamp as it is seen at sea, from the next run on. Far off, it is a "
                          "point a few pixels wide. Haze lowers the lit lamp's contrast with the "
                          "dark; shimmer makes its brightness wander, never to dark. The shutter "
                          "takes its time to open and to close, and is half open at the moment "
                          "the lamp would light. The hand makes each element and gap longer or "
                          "shorter at random, keeping the pace on average."));
    m_lightProblem = note(light, QStringLiteral("lightProblem"));
    auto *lightLayout = new QVBoxLayout(light);
    lightLayout->addWidget(m_distance);
    lightLayout->addLayout(amounts);
    // Under the boxes, as wide as the group: a narrow window leaves it whole.
    lightLayout->addWidget(m_preview);
    lightLayout->addWidget(lightNote);
    lightLayout->addWidget(m_lightProblem);

    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("close"));
    auto *where = note(this, QStringLiteral("where"));
    where->setText(tr("Kept in %1").arg(QDir::toNativeSeparators(optionsFilePath())));
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(where, 1);
    bottom->addWidget(close);

    // The options scroll where the screen is too small for them all; Close stays in sight.
    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(timing);
    contentLayout->addWidget(signal);
    contentLayout->addWidget(characters);
    contentLayout->addWidget(text);
    contentLayout->addWidget(drill);
    contentLayout->addWidget(keying);
    contentLayout->addWidget(light);
    contentLayout->addStretch();
    auto *wheelGuard = new WheelGuard(this);
    for (QWidget *turned : content->findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractSpinBox *>(turned) || qobject_cast<QComboBox *>(turned)) {
            // Not given the keyboard by the wheel, so that the guard sees it without.
            turned->setFocusPolicy(Qt::StrongFocus);
            turned->installEventFilter(wheelGuard);
        }
    }
    QScrollArea *scroll = scrolled(content, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(bottom);

    connect(m_letterSpeed, &QLineEdit::editingFinished, this, &OptionsWindow::saveLetterSpeed);
    // Chosen again, the timing shown is written too: it may stand in for a value that cannot
    // be used.
    for (const auto &[button, chosen] :
         {std::pair{m_timingOwn, Timing::Own}, {m_timingInternational, Timing::International}}) {
        connect(button, &QRadioButton::clicked, this, [this, chosen] {
            m_options.timing = chosen;
            save(OptionKey::Timing);
            m_timingProblem->clear();
            // The dots a letter speed gives are the timing's: one refused may now be taken.
            saveLetterSpeed();
        });
    }
    for (QCheckBox *box : {m_figures, m_punctuation, m_procedure})
        connect(box, &QCheckBox::toggled, this, &OptionsWindow::saveCharacters);
    // One alphabet or the other: ticking either unticks the other.
    for (const auto &[box, other] : {std::pair{m_letters, m_hebrew}, {m_hebrew, m_letters}}) {
        connect(box, &QCheckBox::toggled, this, [this, other](bool ticked) {
            if (ticked) {
                const QSignalBlocker blocker(other);
                other->setChecked(false);
            }
            saveCharacters();
        });
    }
    connect(m_drillWords, &QRadioButton::toggled, this, [this](bool words) {
        m_options.drillWords = words;
        save(OptionKey::DrillText);
    });
    connect(m_drillExam, &QCheckBox::toggled, this, [this](bool exam) {
        m_options.drillExam = exam;
        save(OptionKey::DrillExam);
    });
    connect(setLampKey, &KeyCatcher::caught, this, &OptionsWindow::saveLampKey);
    // Chosen again, the text shown is written too: it may stand in for a value that cannot be
    // used.
    connect(m_keyingText, &QComboBox::activated, this, [this](int index) {
        m_options.keyingText = KeyingText(index);
        save(OptionKey::KeyingText);
    });
    connect(m_keyingInDrill, &QCheckBox::toggled, this, [this](bool inDrill) {
        m_options.keyingInDrill = inDrill;
        save(OptionKey::KeyingInDrill);
    });
    connect(m_distance, &QCheckBox::toggled, this, [this](bool distance) {
        m_options.light.distance = distance;
        saveLight(OptionKey::LightDistance);
    });
    for (const auto &[box, key, field] :
         {std::tuple{m_haze, OptionKey::LightHaze, &LightConditions::haze},
          {m_shimmer, OptionKey::LightShimmer, &LightConditions::shimmer},
          {m_shutter, OptionKey::LightShutter, &LightConditions::shutterMs},
          {m_hand, OptionKey::LightHand, &LightConditions::handPercent}}) {
        connect(box, &QSpinBox::valueChanged, this, [this, key, field](int amount) {
            m_options.light.*field = amount;
            saveLight(key);
        });
    }
    // Chosen again, the sky shown is written too: it may stand in for a value that cannot be
    // used.
    connect(m_sky, &QComboBox::activated, this, [this](int index) {
        m_options.light.sky = Sky(index);
        saveLight(OptionKey::LightSky);
    });
    connect(choose, &QPushButton::clicked, this, &OptionsWindow::chooseTextFile);
    connect(builtIn, &QPushButton::clicked, this, [this] {
        m_options.textFile.clear();
        save(OptionKey::TextFile);
        showTextFile();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Wide enough for the explanation to read well, and tall enough for all its lines.
    // At first as tall as the options need at this width, every explanation whole; narrower,
    // the explanations wrap.
    constexpr int width = 480;
    const QMargins margins = layout->contentsMargins();
    const int inside =
        width - margins.left() - margins.right() - style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    contentLayout->activate();
    resize(width, contentLayout->totalHeightForWidth(inside) + bottom->sizeHint().height() +
                      layout->spacing() + margins.top() + margins.bottom());
}

void OptionsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void OptionsWindow::load()
{
    m_read = readOptions(*optionsFile());
    m_options = m_read.options;
    const QSignalBlocker hebrewBlocker(m_hebrew);
    const QSignalBlocker blockers[] = {QSignalBlocker(m_letters),     QSignalBlocker(m_figures),
                                       QSignalBlocker(m_punctuation), QSignalBlocker(m_procedure),
                                       QSignalBlocker(m_drillWords),  QSignalBlocker(m_drillExam)};
    const QSignalBlocker keyingBlocker(m_keyingInDrill);
    const QSignalBlocker lightBlockers[] = {QSignalBlocker(m_distance), QSignalBlocker(m_haze),
                                            QSignalBlocker(m_shimmer), QSignalBlocker(m_shutter),
                                            QSignalBlocker(m_hand)};
    // A value that cannot be used shows as written, so that the learner sees what to mend.
    const OptionProblem *letterSpeed = m_read.problem(OptionKey::LetterSpeed);
    m_letterSpeed->setText(letterSpeed ? letterSpeed->written : m_options.letterSpeed);
    showProblem(OptionKey::LetterSpeed, m_letterSpeedProblem);
    m_timingOwn->setChecked(m_options.timing == Timing::Own);
    m_timingInternational->setChecked(m_options.timing == Timing::International);
    showProblem(OptionKey::Timing, m_timingProblem);
    m_letters->setChecked(m_options.letters);
    m_hebrew->setChecked(m_options.hebrew);
    m_figures->setChecked(m_options.figures);
    m_punctuation->setChecked(m_options.punctuation);
    m_procedure->setChecked(m_options.procedure);
    showProblem(OptionKey::Characters, m_charactersProblem);
    m_drillGroups->setChecked(!m_options.drillWords);
    m_drillWords->setChecked(m_options.drillWords);
    m_drillExam->setChecked(m_options.drillExam);
    showDrillProblems();
    showTextFile();
    showLampKey();
    m_keyingText->setCurrentIndex(int(m_options.keyingText));
    m_keyingInDrill->setChecked(m_options.keyingInDrill);
    showProblems(keyingKeys, m_keyingProblem);
    m_distance->setChecked(m_options.light.distance);
    m_haze->setValue(m_options.light.haze);
    m_shimmer->setValue(m_options.light.shimmer);
    m_sky->setCurrentIndex(int(m_options.light.sky));
    m_shutter->setValue(m_options.light.shutterMs);
    m_hand->setValue(m_options.light.handPercent);
    showProblems(lightKeys, m_lightProblem);
    m_preview->setLight(m_options.light);
}

void OptionsWindow::setLampColours(const QColor &lamp, const QColor &window)
{
    m_preview->setColours(lamp, window);
}

void OptionsWindow::saveLight(OptionKey key)
{
    save(key);
    showProblems(lightKeys, m_lightProblem);
    m_preview->setLight(m_options.light);
}

void OptionsWindow::showDrillProblems()
{
    showProblems(drillKeys, m_drillProblem);
}

void OptionsWindow::showProblems(std::span<const OptionKey> keys, QLabel *label,
                                 const QString &notKept)
{
    QStringList problems;
    for (const OptionKey key : keys) {
        if (const OptionProblem *problem = m_read.problem(key))
            problems << tr("Not used: %1.").arg(problem->why);
    }
    if (!notKept.isEmpty())
        problems << tr("Not kept: %1.").arg(notKept);
    label->setText(problems.join(u'\n'));
}

void OptionsWindow::showProblem(OptionKey key, QLabel *label)
{
    const OptionProblem *problem = m_read.problem(key);
    label->setText(problem ? tr("Not used: %1.").arg(problem->why) : QString());
}

void OptionsWindow::save(OptionKey key)
{
    writeOption(*optionsFile(), key, m_options);
    // What the file holds for the key now can be used.
    std::erase_if(m_read.problems,
                  [key](const OptionProblem &problem) { return problem.key == key; });
    if (key == OptionKey::DrillText || key == OptionKey::DrillExam)
        m_drillProblem->clear();
    if (key == OptionKey::LampKey || key == OptionKey::KeyingText ||
        key == OptionKey::KeyingInDrill) {
        showLampKey();
        showProblems(keyingKeys, m_keyingProblem);
    }
}

void OptionsWindow::showLampKey()
{
    // A key that cannot be used shows as written, so that the learner sees what to mend.
    const OptionProblem *written = m_read.problem(OptionKey::LampKey);
    m_lampKey->setText(written ? written->written : m_options.lampKey);
}

void OptionsWindow::saveLampKey(int key)
{
    const QString name = lampKeyName(key);
    const QString problem = name.isEmpty() ? tr("that key has no name the options file can keep")
                                           : lampKeyProblem(name);
    if (!problem.isEmpty()) {
        // The file keeps the key it held.
        showProblems(keyingKeys, m_keyingProblem, problem);
        return;
    }
    m_options.lampKey = name;
    save(OptionKey::LampKey);
}

void OptionsWindow::saveLetterSpeed()
{
    const QString letterSpeed = m_letterSpeed->text().trimmed();
    const OptionProblem *written = m_read.problem(OptionKey::LetterSpeed);
    // What the file holds, left as it was: still not used, and still kept.
    if (written && letterSpeed == written->written) {
        showProblem(OptionKey::LetterSpeed, m_letterSpeedProblem);
        return;
    }
    const QString problem = letterSpeedProblem(letterSpeed, m_options.timing);
    if (!problem.isEmpty()) {
        // The file keeps what it held; the learner sees why this is not taken.
        m_letterSpeedProblem->setText(tr("Not kept: %1.").arg(problem));
        return;
    }
    m_letterSpeedProblem->clear();
    if (letterSpeed == m_options.letterSpeed && !m_read.problem(OptionKey::LetterSpeed))
        return;
    m_options.letterSpeed = letterSpeed;
    save(OptionKey::LetterSpeed);
}

void OptionsWindow::saveCharacters()
{
    // A run draws from something: with every group unticked, the letters.
    if (!m_hebrew->isChecked() && !m_figures->isChecked() && !m_punctuation->isChecked() &&
        !m_procedure->isChecked()) {
        const QSignalBlocker blocker(m_letters);
        m_letters->setChecked(true);
    }
    const bool alphabetChanged = m_options.hebrew != m_hebrew->isChecked();
    m_options.letters = m_letters->isChecked();
    m_options.hebrew = m_hebrew->isChecked();
    m_options.figures = m_figures->isChecked();
    m_options.punctuation = m_punctuation->isChecked();
    m_options.procedure = m_procedure->isChecked();
    save(OptionKey::Characters);
    m_charactersProblem->clear();
    // The words of the text runs are the other alphabet's now.
    if (alphabetChanged)
        showTextFile();
}

void OptionsWindow::chooseTextFile()
{
    const OptionProblem *written = m_read.problem(OptionKey::TextFile);
    const QString path = chooseFileName(
        this, QFileDialog::AcceptOpen, tr("A text file for text runs"),
        written ? written->written : m_options.textFile, tr("Text files (*.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    // A file that gives no words is not taken: the one chosen before stays.
    QString error;
    if (!TextSource::fromFile(path, wordCharacters(m_options), &error)) {
        m_textFileWords->setText(error + u' ' + tr("Not kept: text runs go on as before."));
        return;
    }
    m_options.textFile = path;
    save(OptionKey::TextFile);
    showTextFile();
}

void OptionsWindow::showTextFile()
{
    if (const OptionProblem *problem = m_read.problem(OptionKey::TextFile)) {
        m_textFile->setText(QDir::toNativeSeparators(problem->written));
        m_textFileWords->setText(
            tr("Not used now: %1. Text runs send the built-in words while it cannot be read.")
                .arg(problem->why));
        return;
    }
    m_textFile->setText(QDir::toNativeSeparators(m_options.textFile));
    if (m_options.textFile.isEmpty()) {
        const TextSource words = TextSource::builtIn(wordCharacters(m_options));
        m_textFileWords->setText(tr("%Ln word(s) built in.", nullptr, int(words.wordCount())));
        return;
    }
    QString error;
    const std::optional<TextSource> words =
        TextSource::fromFile(m_options.textFile, wordCharacters(m_options), &error);
    if (!words) {
        m_textFileWords->setText(error + u' ' + tr("Text runs send the built-in words."));
        return;
    }
    QString counts = tr("%Ln word(s) to send", nullptr, int(words->wordCount()));
    if (words->skippedCount() > 0) {
        counts += u' ' + tr("(%Ln passed over: they hold characters that cannot be sent)", nullptr,
                            int(words->skippedCount()));
    }
    m_textFileWords->setText(counts + u'.');
}

} // namespace blinket
