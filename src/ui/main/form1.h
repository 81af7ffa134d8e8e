// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/desktopurlopener.h"
#include "platform/errorguard.h"
#include "platform/platform.h"
#include "practice/runrecord.h"
#include "runs/rundriver.h"
#include "runs/runview.h"
#include "runs/textsource.h"
#include "runs/windowstate.h"
#include "settings/optionsfile.h"
#include "signal/lamp.h"
#include "signal/signalelements.h"
#include "ui/main/circleshape.h"
#include "ui/main/clicklabel.h"
#include "ui/main/copycollector.h"
#include "ui/main/messageboxreporter.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <optional>

namespace blinket {

class CopyCheckWindow;
class OptionsWindow;
class PracticeSession;
class ProgressView;

// The program's main window: its controls, the window-level state, and the handlers of its
// events. Every control carries its name as its object name ("Command3(12)" for a member of
// a group), which is how anything outside the window finds it.
class Form1 : public QWidget, private Lamp, private RunView
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

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The window itself (form1.cpp, form1layout.cpp).
    void buildControls();
    void setTabOrder();
    void Form_Load();
    void setLit(bool lit) override;

    // Runs (form1runs.cpp).
    void connectRuns();
    void Command1_Click();
    void Command6_Click();
    void cmdStop_Click();
    // Runs a start button's handler; ignored while a run is already under way. A run that
    // sends letters (not the speed check) says what kind it is, and what the learner types
    // during it is kept as its copy.
    void startRun(const std::function<void()> &handler,
                  std::optional<RunRecord> letterRun = std::nullopt);
    void setControlVisible(Control control, bool visible) override;
    void clearText1() override;
    void appendToText1(const QString &text) override;
    // Hands what the results box has collected to the box itself.
    void showPendingText1();
    QString combo1Text() const override;
    QString text2Text() const override;

    // The lamp's size and colours, and the settings file (form1settings.cpp).
    void connectSettings();
    void HScroll1_Change();
    void HScroll1_GotFocus();
    void Label1_Click(qint16 Index);
    void Label9_Click(qint16 Index);
    void Command4_Click();
    void Command5_Click();

    // The copy the learner types, and checking it (form1practice.cpp).
    void connectPractice();
    // The practice windows hide while a run sends, and Progress comes back after it.
    void hidePracticeWindows();
    void showPracticeWindowsAgain();
    // The parts of this window another window must not cover: the lamp and Stop.
    QList<QRect> keptInSight() const;
    void beginCopy(const RunRecord &run, const QString &runCharacters);
    void endCopy(bool completed);
    void checkCopy();
    CopyCheckWindow &copyCheckWindow();
    // Shows the Copy check window beside this one, or brings it to the front.
    void showCopyCheck();
    void showProgress();
    // A run like A to Z whose letters come more often the more often they were read wrong.
    void weakLetters();

    // The options of our own and text runs (form1options.cpp).
    void connectOptions();
    // The options as the file holds them now, handed to the runs; a bad one is told once.
    Options currentOptions();
    // What a run of this kind draws from besides A to Z: a key standing for one counts in
    // its copy.
    QString runCharacters(RunKind kind, const Options &options) const;
    // Tells the learner something once, in a box that does not stop the program.
    void tell(const QString &text);
    void showOptions();
    // The words of a text run, or of a drill that sends words: the learner's text file, or
    // the built-in words when there is none or it cannot be read.
    TextSource textWords(const Options &options);
    void textRun();
    // A message drill: the lamp as the sending station, the learner as the receiver.
    void messageDrill(RunKind kind);

    // Exit, closing the window and the web links (form1links.cpp).
    void connectExitAndLinks();
    void endProgram();
    void Command2_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();

    friend class WindowSettingsTarget;

    // Controls placed directly on the window.
    QPushButton *cmdStop = nullptr;
    QFrame *Frame2 = nullptr;
    QFrame *Frame1 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Image1 = nullptr;
    std::array<QLabel *, 2> Label4{};
    CircleShape *pic1 = nullptr;

    // The letter-training panel, Frame1.
    QPushButton *Command6 = nullptr;
    QPushButton *Command1 = nullptr;
    std::map<qint16, QPushButton *> Command3; // indexes 0 to 10 and 12
    QLabel *Image2 = nullptr;
    std::array<QLabel *, 12> Label10{};
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
    QLabel *m_typingHint = nullptr;

    WindowState m_state;
    Platform &m_platform;
    MessageBoxReporter m_messageBoxes{this};
    ErrorGuard m_guard;
    SignalElements m_elements;
    RunDriver m_runs;
    bool m_runUnderWay = false;
    // What a run has added to the results box while the box was hidden: laying out one
    // growing paragraph at every step would make each step slower than the one before.
    QString m_pendingText1;
    PracticeSession &m_session;
    CopyCollector *m_copyCollector = nullptr;
    CopyCheckWindow *m_copyCheck = nullptr;
    ProgressView *m_progress = nullptr;
    OptionsWindow *m_optionsWindow = nullptr;
    QStringList m_told;
    bool m_progressBack = false;
    DesktopUrlOpener m_desktopOpener;
    UrlOpener *m_opener = &m_desktopOpener;
};

} // namespace blinket
