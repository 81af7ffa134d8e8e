// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "draws.h"
#include "fakeplatform.h"
#include "runs/rundriver.h"
#include "runs/wordsource.h"

#include <map>

namespace blinket {

// The controls of a run without a window: showing and hiding goes into the platform's
// timeline as "Name+" and "Name-", and the lamp's visibility is the fake lamp itself.
class FakeRunView : public RunView
{
public:
    explicit FakeRunView(FakePlatform &platform) : m_platform(platform) {}

    void setControlVisible(Control control, bool visible) override
    {
        if (control == Control::pic1) {
            m_platform.setLit(visible);
            return;
        }
        shown[control] = visible;
        m_platform.note(name(control) + (visible ? QStringLiteral("+") : QStringLiteral("-")));
    }
    void clearText1() override
    {
        text1Value.clear();
        stepsAtLastText1 = m_platform.steps().size();
    }
    void appendToText1(const QString &text) override
    {
        text1Value += text;
        stepsAtLastText1 = m_platform.steps().size();
    }
    QString combo1Text() const override { return combo1; }
    QString text2Text() const override { return text2; }
    void showDrillStep(const DrillStep &step) override { drillSteps.push_back(step); }
    void showKeying(const QString &prompt, const QString &read) override
    {
        keyingShown.push_back({prompt, read});
    }
    // The fake lamp is lit or dark, whatever the light.
    void setLight(const LightConditions &) override {}

    bool isShown(Control control) const { return shown.at(control); }

    static QString name(Control control)
    {
        switch (control) {
        case Control::Command2:
            return QStringLiteral("Command2");
        case Control::Image1:
            return QStringLiteral("Image1");
        case Control::Label4_0:
            return QStringLiteral("Label4(0)");
        case Control::Label4_1:
            return QStringLiteral("Label4(1)");
        case Control::Text1:
            return QStringLiteral("Text1");
        case Control::Frame1:
            return QStringLiteral("Frame1");
        case Control::Frame2:
            return QStringLiteral("Frame2");
        case Control::pic1:
            return QStringLiteral("pic1");
        }
        return {};
    }

    QString text1Value;
    QString combo1 = QStringLiteral("4");
    QString text2 = QStringLiteral("3");
    std::map<Control, bool> shown;
    std::vector<DrillStep> drillSteps;
    std::vector<std::pair<QString, QString>> keyingShown; // prompt, read
    // How long the platform's timeline was when Text1 was last written.
    std::size_t stepsAtLastText1 = 0;

private:
    FakePlatform &m_platform;
};

// The words of a text separated by spaces, over and over.
class ListedWords : public WordSource
{
public:
    explicit ListedWords(const char *text) : m_words(QString::fromLatin1(text).split(u' ')) {}
    QString nextWord() override { return m_words.at(m_next++ % m_words.size()); }

private:
    QStringList m_words;
    qsizetype m_next = 0;
};

// Everything a run needs, on the fake platform.
struct RunHarness
{
    RunHarness() { platform.setTimeOfDay(0.0); }

    FakePlatform platform;
    FakeRunView view{platform};
    WindowState state;
    SignalElements elements{platform, platform, state.Unit};
    Sender sender{view, elements, platform, state};
    RunDriver runs{sender};

    void aToZ()
    {
        state.RunMode = 0;
        runs.RunDrill();
    }
    void tryRun()
    {
        state.RunMode = 1;
        runs.RunDrill();
    }
};

} // namespace blinket
