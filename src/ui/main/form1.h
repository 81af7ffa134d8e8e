// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/desktopurlopener.h"
#include "platform/errorguard.h"
#include "platform/platform.h"
#include "runs/lessons.h"
#include "runs/runview.h"
#include "runs/windowstate.h"
#include "settings/settingsreader.h"
#include "signal/lamp.h"
#include "signal/signalelements.h"
#include "ui/main/circleshape.h"
#include "ui/main/clicklabel.h"
#include "ui/main/lampoutline.h"
#include "ui/main/lampshape.h"
#include "ui/main/messageboxreporter.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextOption>
#include <QWidget>

#include <array>
#include <map>
#include <optional>

namespace blinket {

class LampKeyWatcher;
class Notices;
class PracticeSession;
class PracticeWindows;
class RunController;

// The program's main window: its controls, the window-level state, and the handlers of its
// events. Every control carries its name as its object name ("Command3(12)" for a member of
// a group), which is how anything outside the window finds it.
class Form1 : public QWidget, private Lamp, private RunView, private SettingsTarget
{
    Q_OBJECT
public:
    // What the learner reads and types is kept in session, which outlives the window.
    Form1(Platform &platform, PracticeSession &session, QWidget *parent = nullptr);
    ~Form1() override;

    // Errors that escape a handler go here (a message box unless a test says otherwise).
    void setErrorReporter(ErrorReporter &reporter) { m_guard.setReporter(reporter); }
    // Where the links send their addresses: the desktop's browser unless a test says otherwise.
    void setUrlOpener(UrlOpener &opener) { m_opener = &opener; }
    // Where problems with the options are told before a run: a box unless a test says
    // otherwise.
    void setNotices(Notices &notices);
    // The light the lamp is seen under, from now on: what every run takes from the options at
    // its start. It stays after the run, so that the window shows the light it was read under.
    void setLight(const LightConditions &light) override;

protected:
    bool event(QEvent *event) override;
    // The sky around the lamp, under a light that has one.
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The window itself (form1.cpp, form1layout.cpp).
    void buildControls();
    void setTabOrder();
    void Form_Load();
    void setLit(bool lit) override;

    // Runs (form1runs.cpp): each start button triggers its action, the action asks the run
    // controller for its run.
    void connectRuns();
    void Command1_Click();
    void Command6_Click();
    void cmdStop_Click();
    // The action of a start button, triggered by the button and by the Progress window.
    QAction *runAction(QPushButton *button, const std::function<void()> &start);
    void setControlVisible(Control control, bool visible) override;
    void clearText1() override;
    void appendToText1(const QString &text) override;
    // Hands what the results box has collected to the box itself.
    void showPendingText1();
    QString combo1Text() const override;
    QString text2Text() const override;
    void showDrillStep(const DrillStep &step) override;
    void showKeying(const QString &prompt, const QString &read) override;

    // The lamp's size and colours, and the settings file (form1settings.cpp).
    void connectSettings();
    void HScroll1_Change();
    void HScroll1_GotFocus();
    void Label1_Click(qint16 Index);
    void Label9_Click(qint16 Index);
    void Command4_Click();
    void Command5_Click();
    // Load hands each value to the window's controls, which refuse what they cannot show.
    void setSpeed(const QString &text) override;
    void setMinutes(const QString &text) override;
    void setLampSize(qint16 twips) override;
    void setLampColour(ColourValue colour) override;
    void setWindowColour(ColourValue colour) override;

    // The practice windows and the runs of our own (form1practice.cpp).
    void connectPractice();
    // A practice window shown, unless a run is under way.
    void showBetweenRuns(void (PracticeWindows::*show)());
    // The parts of this window another window must not cover: the lamp, Stop, the speed and
    // the minutes.
    QList<QRect> keptInSight() const;

    // Exit, closing the window and the web links (form1links.cpp).
    void connectExitAndLinks();
    void endProgram();
    void Command2_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();

    // Controls placed directly on the window.
    QPushButton *cmdStop = nullptr;
    QFrame *Frame2 = nullptr;
    QFrame *Frame1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Image1 = nullptr;
    std::array<QLabel *, 2> Label4{};
    LampShape *pic1 = nullptr;

    // The letter-training panel, Frame1.
    QPushButton *Command6 = nullptr;
    QPushButton *Command1 = nullptr;
    std::map<qint16, QPushButton *> Command3; // indexes 0 to 10 and 12
    QLabel *Image2 = nullptr;
    std::array<QLabel *, lessonCount> Label10{};
    ClickLabel *Label8 = nullptr;

    // The settings panel, Frame2.
    QPushButton *Command5 = nullptr;
    std::array<QLabel *, 5> Label3{};
    std::array<CircleShape *, 6> Shape1{};
    std::array<ClickLabel *, 6> Label9{};
    std::array<ClickLabel *, 6> Label1{};
    std::array<QLabel *, 4> Label2{};
    QComboBox *Combo1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QPushButton *Command4 = nullptr;
    ClickLabel *Label6 = nullptr;
    QLabel *Image3 = nullptr;
    ClickLabel *Label7 = nullptr;

    // Below the letter-training panel, hidden with it during runs.
    QPushButton *m_checkCopyButton = nullptr;
    QPushButton *m_progressButton = nullptr;
    QPushButton *m_optionsButton = nullptr;
    QPushButton *m_weakLettersButton = nullptr;
    QPushButton *m_textRunButton = nullptr;
    QPushButton *m_drillButton = nullptr;
    QPushButton *m_keyingButton = nullptr;
    QLabel *m_typingHint = nullptr;

    // Under the lamp during a message drill: what it waits for.
    QLabel *m_drillPrompt = nullptr;
    // Above the lamp during keying: what to send, and what the keying reads as.
    QLabel *m_keyingPrompt = nullptr;
    QLabel *m_keyingRead = nullptr;
    LampOutline *m_lampOutline = nullptr;

    // What starts a run, by the buttons and the Progress window.
    QAction *m_aToZAction = nullptr;
    std::map<int, QAction *> m_lessonActions; // by the lesson's number
    QAction *m_weakLettersAction = nullptr;
    QAction *m_textRunAction = nullptr;
    QAction *m_drillAction = nullptr;
    QAction *m_keyingAction = nullptr;

    WindowState m_state;
    Platform &m_platform;
    MessageBoxReporter m_messageBoxes{this};
    ErrorGuard m_guard;
    SignalElements m_elements;
    // What a run has added to the results box while the box was hidden: laying out one
    // growing paragraph at every step would make each step slower than the one before.
    QString m_pendingText1;
    // The results box's own text option while a run of Hebrew letters has changed it.
    std::optional<QTextOption> m_text1Option;
    RunController *m_runs = nullptr;
    LampKeyWatcher *m_lampKey = nullptr;
    PracticeWindows *m_practiceWindows = nullptr;
    DesktopUrlOpener m_desktopOpener;
    UrlOpener *m_opener = &m_desktopOpener;
};

} // namespace blinket
