// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "settings/optionsfile.h"

#include <QWidget>

#include <span>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace blinket {

class LightPreview;

// The Options window: the options of our own, kept in the options file as they change, so
// that the next run uses them: the timing (the program's own or the International), a letter
// speed (letters sent faster, the gaps between them longer, the pace kept), the characters runs
// draw from, the text file of text runs, how the message drill sends its text, and keying: the lamp
// key, what to send, and whether the message drill is answered by keying; the light the lamp is
// seen in, with a preview that sends a word under it while the window is open. A value in the file
// that cannot be used is shown with its problem; only what the learner changes is written, each
// option under its own key.
class OptionsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit OptionsWindow(QWidget *parent = nullptr);

    // Shows the options as the file holds them now.
    void load();
    // The lamp's colour and the window's, as the main window paints them, for the preview.
    void setLampColours(const QColor &lamp, const QColor &window);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void save(OptionKey key);
    void saveLetterSpeed();
    void saveCharacters();
    void chooseTextFile();
    void showTextFile();
    // The problem of the value the file holds for key, under its control; none once changed.
    void showProblem(OptionKey key, QLabel *label);
    void showDrillProblems();
    // The problems of the values the file holds for keys, under one control, and why a value
    // just given is not kept.
    void showProblems(std::span<const OptionKey> keys, QLabel *label,
                      const QString &notKept = QString());
    void saveLampKey(int key);
    void showLampKey();
    void saveLight(OptionKey key);

    Options m_options;
    OptionsReading m_read;
    QLineEdit *m_letterSpeed = nullptr;
    QLabel *m_letterSpeedProblem = nullptr;
    QRadioButton *m_timingOwn = nullptr;
    QRadioButton *m_timingInternational = nullptr;
    QLabel *m_timingProblem = nullptr;
    QLabel *m_charactersProblem = nullptr;
    QLabel *m_drillProblem = nullptr;
    QCheckBox *m_letters = nullptr;
    QCheckBox *m_hebrew = nullptr;
    QCheckBox *m_figures = nullptr;
    QCheckBox *m_punctuation = nullptr;
    QCheckBox *m_procedure = nullptr;
    QLineEdit *m_textFile = nullptr;
    QLabel *m_textFileWords = nullptr;
    QRadioButton *m_drillGroups = nullptr;
    QRadioButton *m_drillWords = nullptr;
    QCheckBox *m_drillExam = nullptr;
    QLabel *m_lampKey = nullptr;
    QComboBox *m_keyingText = nullptr;
    QCheckBox *m_keyingInDrill = nullptr;
    QLabel *m_keyingProblem = nullptr;
    QCheckBox *m_distance = nullptr;
    QSpinBox *m_haze = nullptr;
    QSpinBox *m_shimmer = nullptr;
    QComboBox *m_sky = nullptr;
    QSpinBox *m_shutter = nullptr;
    QSpinBox *m_hand = nullptr;
    QLabel *m_lightProblem = nullptr;
    LightPreview *m_preview = nullptr;
};

} // namespace blinket
