// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/copycheck/copycheckwindow.h"

#include "practice/practicesession.h"
#include "ui/copycheck/copybox.h"
#include "ui/copycheck/copymarks.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace blinket {

namespace {

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

} // namespace

CopyCheckWindow::CopyCheckWindow(PracticeSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("CopyCheck"));
    setWindowTitle(QStringLiteral("Copy check"));
    resize(640, 520);

    m_score = new QLabel(this);
    m_score->setObjectName(QStringLiteral("score"));
    QFont big = m_score->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    m_score->setFont(big);
    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("counts"));

    m_marks = new QTextBrowser(this);
    m_marks->setObjectName(QStringLiteral("marks"));
    m_marks->setLineWrapMode(QTextEdit::NoWrap);
    auto *legend = new QLabel(copyMarksLegendHtml(), this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setWordWrap(true);

    m_letters = new QTableWidget(0, 5, this);
    m_letters->setObjectName(QStringLiteral("letters"));
    m_letters->setHorizontalHeaderLabels({QStringLiteral("Letter"), QStringLiteral("Sent"),
                                          QStringLiteral("Right"), QStringLiteral("Missed"),
                                          QStringLiteral("Read as")});
    m_letters->verticalHeader()->hide();
    m_letters->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_letters->horizontalHeader()->setStretchLastSection(true);

    m_copy = new CopyBox(this);
    m_copy->setObjectName(QStringLiteral("copy"));
    m_copy->setTabChangesFocus(true);
    m_leftOut = caption(QString(), this);
    m_leftOut->setObjectName(QStringLiteral("leftOut"));
    m_leftOut->setWordWrap(true);
    m_leftOut->hide();
    m_check = new QPushButton(QStringLiteral("&Check  בדוק"), this);
    m_check->setObjectName(QStringLiteral("check"));
    auto *progress = new QPushButton(QStringLiteral("&Progress  התקדמות"), this);
    progress->setObjectName(QStringLiteral("progress"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);

    auto *copyColumn = new QVBoxLayout;
    copyColumn->addWidget(caption(QStringLiteral("Your copy  ההעתקה שלך"), this));
    copyColumn->addWidget(m_copy);
    copyColumn->addWidget(m_leftOut);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addWidget(progress);
    copyColumn->addLayout(buttons);
    auto *letterColumn = new QVBoxLayout;
    letterColumn->addWidget(caption(QStringLiteral("This run's letters  אותיות הריצה"), this));
    letterColumn->addWidget(m_letters);
    auto *lower = new QHBoxLayout;
    lower->addLayout(letterColumn, 3);
    lower->addLayout(copyColumn, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_score);
    layout->addWidget(m_counts);
    layout->addWidget(caption(QStringLiteral("Sent, and what you typed  שודר, ומה שהקלדת"), this));
    layout->addWidget(m_marks, 3);
    layout->addWidget(legend);
    layout->addLayout(lower, 2);
    layout->addWidget(m_status);

    connect(m_copy, &QPlainTextEdit::textChanged, this,
            [this] { m_session.setCopy(m_copy->toPlainText()); });
    connect(m_copy, &CopyBox::leftOutChanged, this, &CopyCheckWindow::showLeftOut);
    connect(m_check, &QPushButton::clicked, &m_session, &PracticeSession::storeNow);
    connect(progress, &QPushButton::clicked, this, &CopyCheckWindow::progressRequested);
    connect(&m_session, &PracticeSession::scored, this, &CopyCheckWindow::showScore);
    connect(&m_session, &PracticeSession::storeStatus, m_status, &QLabel::setText);
}

void CopyCheckWindow::showLastRun()
{
    m_status->clear();
    const bool run = m_session.hasLastRun();
    m_copy->setEnabled(run);
    m_check->setEnabled(run);
    if (!run) {
        m_score->setText(QStringLiteral("Nothing to check yet."));
        m_counts->setText(QStringLiteral(
            "Start a run of A to Z or a lesson; the letters it sends are checked here."));
        m_marks->clear();
        m_letters->setRowCount(0);
        m_copy->clear();
        return;
    }
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
    if (score.right + score.wrong + score.extra == 0) {
        // Nothing typed yet: the letters sent, with nothing under them, and what to do.
        m_score->setText(QStringLiteral("Type what you read; it is checked as you type."));
        m_counts->setText(QStringLiteral("%1 letters were sent.").arg(score.sent));
        std::vector<AlignedLetter> sentOnly;
        for (const AlignedLetter &place : score.aligned)
            sentOnly.push_back({Mark::Right, place.sent, QLatin1Char(' ')});
        m_marks->setHtml(copyMarksHtml(sentOnly));
        m_letters->setRowCount(0);
        return;
    }
    m_score->setText(score.summary());
    m_counts->setText(QStringLiteral("%1 wrong, %2 missed, %3 extra")
                          .arg(score.wrong)
                          .arg(score.missed)
                          .arg(score.extra));
    m_marks->setHtml(copyMarksHtml(score.aligned));
    showLetters();
}

void CopyCheckWindow::showLeftOut()
{
    const int count = m_session.leftOut() + m_copy->leftOut();
    m_leftOut->setVisible(count > 0);
    m_leftOut->setText(QStringLiteral("%1 letters were left out: a copy of this run takes at "
                                      "most %2.")
                           .arg(count)
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
                                     : QStringLiteral("%1 (%2)").arg(readAs).arg(
                                           tally.readAs[std::size_t(characterIndex(readAs))]);
        m_letters->setItem(row, 0, cell(QString(characterAt(i))));
        m_letters->setItem(row, 1, cell(QString::number(tally.sent)));
        m_letters->setItem(row, 2, cell(QString::number(tally.right)));
        m_letters->setItem(row, 3, cell(QString::number(tally.missed)));
        m_letters->setItem(row, 4, cell(mistaken));
    }
}

} // namespace blinket
