// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The random user's answers: hostile texts for every input box, a random
// colour, font or cancel for the pickers, every box and message logged and
// each "Mauvaise entrée" judged against what was typed.

#include "tests/common/fakedialogs.h"

#include "signal/sharedstate.h"
#include "sound/soundrender.h"

#include <QStringList>

#include <cmath>
#include <random>

namespace RandomUser {

// The text in quotes for the log, shortened when long.
QString Quoted(const QString& text);

// Texts that every box of the program must take without harm: empty,
// signs alone, beyond the doubles' range, not numbers, letters, very long,
// blanks, and values at the limits of the fields and just beyond them.
const QStringList& HostileTexts();

class RandomDialogs : public FakeDialogs {
public:
    struct Interaction {
        QString Caption; // the box's caption; "colour picker", "font picker"
        bool Cancelled = false;
    };

    std::mt19937_64* Rng = nullptr;
    QString* Line = nullptr;               // the current action's log line
    const SharedState* State = nullptr;    // the running program's
    const SoundStudyState* Study = nullptr; // its sound window's
    QList<Interaction> ThisAction;
    QStringList Problems; // messages shown where none was due, with why
    QStringList Families;

    std::optional<QString> InputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& defaultText) override
    {
        std::optional<QString> answer;
        const int roll = Int(0, 99);
        if (roll < 10)
            answer = std::nullopt;
        else if (roll < 15)
            answer = defaultText;
        else if (roll < 35)
            answer = RandomNumberText();
        else
            answer = HostileTexts()[Int(0, int(HostileTexts().size()) - 1)];
        Answers = {};
        Answers.push(answer);
        ThisAction.append({caption, !answer});
        m_cutoffAsked = State ? State->Filter.CutoffHz : 0;
        m_gainAsked = State ? State->Filter.StaticGain : 0;
        m_durationAsked = Study ? Study->DurationSeconds : 0;
        Note(QStringLiteral("input box '%1' %2").arg(caption, answer ? "answered " + Quoted(*answer) : "cancelled"));
        return FakeDialogs::InputBox(parent, caption, prompt, defaultText);
    }

    std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override
    {
        std::optional<QColor> c;
        if (Int(0, 4) != 0)
            c = QColor(QRgb(Int(0, 0xFFFFFF)));
        Colours = {};
        Colours.push(c);
        ThisAction.append({QStringLiteral("colour picker"), !c});
        Note(c ? QStringLiteral("colour picker answered %1").arg(c->name()) : QStringLiteral("colour picker cancelled"));
        return FakeDialogs::ChooseColour(parent, initial);
    }

    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override
    {
        std::optional<QFont> f;
        if (Int(0, 4) != 0) {
            const QString family = Families.isEmpty() || Int(0, 9) == 0
                                       ? QStringLiteral("No Such Font")
                                       : Families[Int(0, int(Families.size()) - 1)];
            QFont font(family);
            const int roll = Int(0, 9);
            if (roll == 0)
                font.setPixelSize(Int(1, 200)); // a size in pixels only
            else
                font.setPointSize(roll == 1 ? Int(100, 512) : Int(1, 40));
            f = font;
        }
        Fonts = {};
        Fonts.push(f);
        ThisAction.append({QStringLiteral("font picker"), !f});
        Note(f ? QStringLiteral("font picker answered '%1' %2%3")
                     .arg(f->family())
                     .arg(f->pointSize() > 0 ? f->pointSize() : f->pixelSize())
                     .arg(f->pointSize() > 0 ? "pt" : "px")
               : QStringLiteral("font picker cancelled"));
        return FakeDialogs::ChooseFont(parent, initial);
    }

    void Message(QWidget* parent, const QString& text) override
    {
        Note(QStringLiteral("message '%1'").arg(text));
        // "Mauvaise entrée" answers a refused typed cut-off, static gain or
        // sound duration, which stays as it was.
        if (text == QStringLiteral("Mauvaise entrée")) {
            const QString box = ThisAction.isEmpty() || ThisAction.last().Cancelled ? QString() : ThisAction.last().Caption;
            if (box == QStringLiteral("Fréquence particulière")) {
                if (State && State->Filter.CutoffHz != m_cutoffAsked)
                    Problems << QStringLiteral("\"Mauvaise entrée\", yet the cut-off changed");
            } else if (box == QStringLiteral("Entrée de l amplification statique")) {
                if (State && State->Filter.StaticGain != m_gainAsked)
                    Problems << QStringLiteral("\"Mauvaise entrée\", yet the static gain changed");
            } else if (box == QStringLiteral("Entrée durée du son")) {
                if (Study && Study->DurationSeconds != m_durationAsked)
                    Problems << QStringLiteral("\"Mauvaise entrée\", yet the duration changed");
            } else {
                Problems << QStringLiteral("\"Mauvaise entrée\" with no cut-off, gain or duration typed");
            }
        }
        FakeDialogs::Message(parent, text);
    }

    void Error(QWidget* parent, const QString& text) override
    {
        Note(QStringLiteral("error '%1'").arg(text));
        FakeDialogs::Error(parent, text);
    }

private:
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(*Rng); }

    // A number spread over many decades, either sign, in one of the usual
    // notations.
    QString RandomNumberText()
    {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution<double>(-8, 9)(*Rng));
        const double v = Int(0, 4) == 0 ? -magnitude : magnitude;
        switch (Int(0, 3)) {
        case 0:
            return QString::number(v, 'g', Int(1, 17));
        case 1:
            return QString::number(v, 'f', Int(0, 6));
        case 2:
            return QString::number(v, 'e', Int(0, 6));
        default:
            return QString::number(std::llround(v));
        }
    }

    double m_cutoffAsked = 0;
    double m_gainAsked = 0;
    double m_durationAsked = 0;

    void Note(const QString& s)
    {
        if (Line)
            *Line += QStringLiteral("; ") + s;
    }
};

} // namespace RandomUser
