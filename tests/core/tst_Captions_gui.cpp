// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
// Every window in English and in a made-up language whose texts are 40 % longer than the English
// ones and full of accents: each caption is shown whole, set smaller where it must be.
#include "config/Config.h"
#include "core/Captions.h"
#include "core/M_Boxx.h"
#include "help/Get_Str.h"
#include "help/HUTIL2.h"
#include "help/HUTIL3.h"
#include "help/HelpWindows.h"
#include "help/PrtForm.h"
#include "mainwin/BackForm.h"
#include "music/Music.h"
#include "players/GetPlayer.h"
#include "players/Grade.h"
#include "players/NewGuy.h"
#include "practice/Define.h"
#include "practice/Practice.h"
#include "scores/Progress.h"
#include "scores/ShowScores.h"
#include "support/GuiSupport.h"
#include "support/ScoresPracticeBuilders.h"

#include <QTranslator>
#include <QtTest>
#include <cmath>

namespace {
// Accented vowels, and 40 % more letters before any blanks that end the text.
class LongAccented : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        QString text = QString::fromUtf8(source);
        static const QString plain = QStringLiteral("aeiouAEIOU"), accented = QStringLiteral("àéîõüÀÉÎÕÜ");
        for (QChar& c : text) {
            if (const qsizetype i = plain.indexOf(c); i >= 0)
                c = accented[i];
        }
        static const QRegularExpression endBlanks(QStringLiteral(" +$"));
        const qsizetype end = QString(text).remove(endBlanks).size();
        return text.insert(end, QString(static_cast<int>(std::ceil(end * 0.4)), QChar(0x0177)));
    }
};
} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
    GuiFixture fx;

    QList<Form*> Windows(HelpWindows& help)
    {
        auto* box = fx.Make<M_Boxx>(fx.program().Settings());
        box->SetMessage(QStringLiteral("Are you sure you want to remove Ann from this list?"), true);
        return {fx.windows->Background(), fx.Make<GetPlayer>(fx.program(), fx.parts->roster, fx.player()),
                fx.Make<NewGuy>(fx.parts->roster), fx.Make<Grade>(fx.program().Settings()), box,
                fx.Make<Define>(fx.program(), fx.player()),
                fx.Make<Practice>(fx.program().Settings(), fx.player(), Practised({3, -3, 1})),
                fx.Make<ShowScores>(fx.program().Settings(), fx.player(), Practised({3, -3, 1})),
                fx.Make<Config>(fx.program().Settings(), fx.player()), fx.Make<Music>(fx.parts->midi),
                fx.Make<Progress>(fx.parts->roster, fx.player()), fx.Make<HUTIL2>(help), fx.Make<HUTIL3>(help),
                fx.Make<Get_Str>(fx.program().Settings(), fx.windows->Help().State()), fx.Make<PrtForm>(help)};
    }

private slots:
    void captionsFit_data()
    {
        QTest::addColumn<bool>("longer");
        QTest::newRow("English") << false;
        QTest::newRow("40 % longer, accented") << true;
    }
    void captionsFit()
    {
        QFETCH(bool, longer);
        LongAccented language;
        if (longer)
            QCoreApplication::installTranslator(&language);
        fx.Reset();
        fx.ChooseAnn([](PlayerSettings& s) { s.PlayerGrade = QStringLiteral("3"); });
        WriteBytes(QStringLiteral("AAB.scr"), "\"3H1200603151405007009\"\r\n");
        for (const char* file : {"nbr.txx", "nbr.doc", "twinkle.mid", "twinkle.txt"})
            WriteBytes(QString::fromLatin1(file), ReadDataFile(QString::fromLatin1(file)));
        qputenv("PULSE_SERVER", "unix:/no/such/socket"); // the music plays to no sound card
        HelpWindows help(fx.Tools(), fx.program().Settings());
        QStringList cut;
        for (Form* w : Windows(help)) {
            w->show();
            QCoreApplication::processEvents();
            for (QWidget* c : CaptionedControls(w)) {
                if (c->isVisibleTo(w) && !CaptionFits(c))
                    cut << QStringLiteral("%1.%2 \"%3\"").arg(w->objectName(), c->objectName(), ShownCaption(c));
            }
            w->Unload();
        }
        QCoreApplication::removeTranslator(&language);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_Captions_gui.moc"
