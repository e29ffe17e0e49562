// The information windows: the questionnaire introduction, the item booklet
// and the about window with its timers.
#include "platform/launcher.h"
#include "platform/pdf_viewer.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/about.h"
#include "shell/about_texts.h"
#include "shell/frm1.h"
#include "shell/frmq.h"
#include "shell/frmq_texts.h"
#include "shell/frmravansanji.h"
#include "shell/frmravansanji_texts.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"
#include "support/shots.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>
#include <set>

using pentarix::About;
using pentarix::Frm1;
using pentarix::FrmQ;
using pentarix::Frmravansanji;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;

namespace {

class InformationTest : public ::testing::Test {
protected:
    ~InformationTest() override { pentarix::FormSlotBase::discardAll(); }

    Frm1& loadMain() {
        Frm1& window = pentarix::form<Frm1>();
        window.show();
        return window;
    }
    // Clicks a button that opens a modal window, looks at the window while it
    // is open, then closes it.
    template <class Window>
    void whileOpen(QPushButton* opener, const std::function<void(Window&)>& look) {
        bool looked = false;
        QTimer::singleShot(0, [&] {
            Window* window = pentarix::formSlot<Window>().peek();
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(window->isVisible());
            EXPECT_TRUE(window->isModal());
            look(*window);
            looked = true;
            window->close();
        });
        opener->click();
        EXPECT_TRUE(looked);
        EXPECT_FALSE(pentarix::isLoaded<Window>());
    }

    AppFolder folder;
    ScriptedModal modal;
};

TEST_F(InformationTest, IntroductionShowsTitlesPictureAndTheTheme) {
    folder.exec(QStringLiteral("UPDATE Theme SET TH = 9"));
    Frm1& main = loadMain();
    main.Command9->click();
    whileOpen<Frmravansanji>(main.Command11, [](Frmravansanji& w) {
        EXPECT_EQ(w.windowTitle(), pentarix::frmravansanji_texts::kCaption);
        EXPECT_EQ(w.size(), QSize(865, 691));
        EXPECT_EQ(w.pos(), QPoint(156, 13));
        EXPECT_EQ(w.Frame1->geometry(), QRect(16, 16, 829, 657));
        EXPECT_EQ(w.Picture1->parentWidget(), w.Frame1);
        EXPECT_EQ(w.Picture1->pixmap().size(), QSize(778, 512));
        EXPECT_EQ(w.SkinLabel2->text(), pentarix::frmravansanji_texts::kPersianTitle);
        EXPECT_EQ(w.SkinLabel3->text(), pentarix::frmravansanji_texts::kEnglishTitle);
        // The titles name the scale and the scholar it is called after, each on its one line.
        EXPECT_TRUE(w.SkinLabel2->text().contains(QStringLiteral("گلدبرگ")));
        EXPECT_TRUE(w.SkinLabel3->text().contains(QStringLiteral("Goldberg")));
        for (QLabel* title : {w.SkinLabel2, w.SkinLabel3}) {
            EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), title->contentsRect().width())
                << title->objectName().toStdString();
        }
        EXPECT_EQ(w.Command1->text(), pentarix::frmravansanji_texts::kCommand1Caption);
        EXPECT_EQ(w.Skin1->loadedFileName(), QStringLiteral("Paper.skn"));
        EXPECT_FALSE(w.styleSheet().isEmpty());
    });
    EXPECT_TRUE(main.Frame8->isVisible()) << "the introduction leaves the panels alone";

    // Its own exit button closes it too.
    bool closed = false;
    QTimer::singleShot(0, [&] {
        pentarix::formSlot<Frmravansanji>().peek()->Command1->click();
        closed = true;
    });
    main.Command11->click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(pentarix::isLoaded<Frmravansanji>());
}

TEST_F(InformationTest, BookletIsShownFromTheApplicationFolder) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(PENTARIX_BOOKLET), folder.filePath(pentarix::frmq_texts::kBookletFile)));
    Frm1& main = loadMain();
    whileOpen<FrmQ>(main.Command13, [&](FrmQ& w) {
        EXPECT_EQ(w.windowTitle(), pentarix::frmq_texts::kCaption);
        EXPECT_EQ(w.size(), QSize(691, 603));
        ASSERT_NE(w.viewer(), nullptr);
        EXPECT_EQ(w.viewer()->widget(), w.WebBrowser1);
        EXPECT_EQ(w.WebBrowser1->geometry(), QRect(12, 20, 657, 557));
        EXPECT_GE(w.viewer()->pageCount(), 2);
        EXPECT_FALSE(w.Label1->isVisible());
        pentarix::test::saveShot(&w, QStringLiteral("booklet"));
    });
}

TEST_F(InformationTest, MissingBookletStillOpensTheWindowWithANote) {
    Frm1& main = loadMain();
    whileOpen<FrmQ>(main.Command13, [](FrmQ& w) {
        ASSERT_NE(w.viewer(), nullptr);
        EXPECT_EQ(w.viewer()->pageCount(), 0);
        EXPECT_TRUE(w.Label1->isVisible());
        EXPECT_TRUE(w.Label1->text().contains(pentarix::frmq_texts::kBookletMissing));
        EXPECT_TRUE(w.Label1->text().contains(pentarix::frmq_texts::kBookletFile));
        pentarix::test::saveShot(&w, QStringLiteral("booklet-missing"));
    });
    // Not a PDF at all: the same note, no crash.
    QFile fake(folder.filePath(pentarix::frmq_texts::kBookletFile));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a booklet");
    fake.close();
    whileOpen<FrmQ>(main.Command13, [](FrmQ& w) {
        EXPECT_TRUE(w.Label1->isVisible());
        EXPECT_EQ(w.viewer()->pageCount(), 0);
    });
    EXPECT_TRUE(modal.calls.empty());
}

// Compares texts as a PDF gives them back: without blanks, joiners and the
// marks whose order the extraction may change.
QString comparable(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s\\x{200C}\\x{064B}-\\x{065F}\\x{0670}]")));
    return text;
}

TEST_F(InformationTest, DeliveredBookletHoldsTheFiftyItemsInOrder) {
    QPdfDocument booklet;
    ASSERT_EQ(booklet.load(QStringLiteral(PENTARIX_BOOKLET)), QPdfDocument::Error::None);
    QString all;
    for (int page = 0; page < booklet.pageCount(); ++page) all += booklet.getAllText(page).text();
    all = comparable(all);
    qsizetype from = 0;
    for (int item = 1; item <= 50; ++item) {
        const QString text =
            comparable(folder.scalar(QStringLiteral("SELECT QU FROM QU WHERE ID = %1").arg(item)));
        ASSERT_FALSE(text.isEmpty());
        const qsizetype at = all.indexOf(QString::number(item) + text, from);
        EXPECT_GE(at, 0) << "item " << item;
        if (at >= 0) from = at + text.size();
    }
}

// --- About.

class AboutTest : public InformationTest {
protected:
    About& open() {
        About& w = pentarix::form<About>();
        // The tests tick the timers themselves.
        for (QTimer* t : {w.Timer1, w.Timer2, w.Timer3, w.Timer10}) t->stop();
        return w;
    }
    static std::array<QLabel*, 4> labels(About& w) { return {w.Label1, w.Label2, w.Label3, w.Label4}; }
};

TEST_F(AboutTest, OpensFromTheMainWindowAfterHidingItsPanels) {
    Frm1& main = loadMain();
    main.Command9->click();
    whileOpen<About>(main.Command12, [&](About& w) {
        EXPECT_FALSE(main.Frame8->isVisible());
        EXPECT_EQ(w.windowTitle(), pentarix::about_texts::kCaption);
        EXPECT_EQ(w.size(), QSize(562, 480));
        EXPECT_EQ(w.pos(), QPoint(73, 80));
        EXPECT_TRUE(w.styleSheet().isEmpty()) << "the about window carries no skin";
        EXPECT_EQ(w.Timer1->interval(), 700);
        EXPECT_EQ(w.Timer10->interval(), 55);
        for (QTimer* t : {w.Timer1, w.Timer2, w.Timer3, w.Timer10}) EXPECT_TRUE(t->isActive());
    });
}

TEST_F(AboutTest, CreditSentenceAssemblesOneChangePerTickThenStays) {
    About& w = open();
    const QString start = About::creditSentence();
    EXPECT_EQ(w.Text1->text(), start);
    EXPECT_EQ(start.size(), 353);
    EXPECT_EQ(start.count(QLatin1Char('.')), 8);
    QString joined = start;
    joined.remove(QLatin1Char(' '));
    EXPECT_EQ(joined, pentarix::about_texts::kCreditWords);

    const int changes = static_cast<int>(start.count(QLatin1Char(' ')) + start.count(QLatin1Char('.')));
    QString previous = w.Text1->text();
    for (int tick = 0; tick < changes + 1; ++tick) {
        w.Timer3_Timer();
        const QString now = w.Text1->text();
        if (tick == changes - 8) {
            // The blank-removal pass has just switched over to the full stops.
            EXPECT_EQ(now, joined);
        }
        if (now != previous) {
            EXPECT_EQ(now.size(), previous.size() - (tick < changes - 8 ? 1 : 0));
        }
        previous = now;
    }
    const QString final = QStringLiteral("This program was created by Pentarix  Team ");
    EXPECT_EQ(w.Text1->text(), final);
    for (int tick = 0; tick < 50; ++tick) w.Timer3_Timer();
    EXPECT_EQ(w.Text1->text(), final);
}

TEST_F(AboutTest, ScrollerCyclesThroughTheNineSlots) {
    About& w = open();
    const QStringList lines = About::creditLines();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_TRUE(lines[7].isEmpty());
    EXPECT_TRUE(lines[8].isEmpty());
    EXPECT_EQ(lines[0], pentarix::about_texts::kSlot1Label);
    EXPECT_TRUE(lines[4].startsWith(pentarix::about_texts::kSlot5Label + QLatin1Char(' ')));
    EXPECT_TRUE(lines[4].endsWith(QLatin1String("  ")));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(labels(w)[static_cast<std::size_t>(i)]->text(), lines[i]);
    EXPECT_EQ(w.slotCounter(), 4);

    auto tops = [&] {
        std::array<int, 4> t{};
        for (std::size_t i = 0; i < 4; ++i) t[i] = pentarix::twips::fromPx(labels(w)[i]->y());
        return t;
    };
    EXPECT_EQ(tops(), (std::array<int, 4>{1920, 2640, 3240, 3840}));
    const int comeback = pentarix::twips::fromPx(w.frameGeometry().height()) - 1500;

    // Which slot's line each returning label brings, in order.
    QStringList shown;
    std::array<QString, 4> before{};
    for (int tick = 0; tick < 2000 && shown.size() < 12; ++tick) {
        const auto was = tops();
        for (std::size_t i = 0; i < 4; ++i) before[i] = labels(w)[i]->text();
        w.Timer10_Timer();
        const auto now = tops();
        int returned = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            if (now[i] > was[i]) {
                ++returned;
                EXPECT_LE(was[i], 1000);
                EXPECT_EQ(now[i], comeback - 15);
                shown << labels(w)[i]->text();
            } else {
                EXPECT_EQ(now[i], was[i] - 15);
                EXPECT_EQ(labels(w)[i]->text(), before[i]);
            }
        }
        EXPECT_LE(returned, 1);
        EXPECT_GE(w.slotCounter(), 0);
        EXPECT_LE(w.slotCounter(), 8);
    }
    const QStringList expected = {lines[4], lines[5], lines[6], lines[7], lines[8], lines[0],
                                  lines[1], lines[2], lines[3], lines[4], lines[5], lines[6]};
    EXPECT_EQ(shown, expected);
}

TEST_F(AboutTest, ColourStepsCycleEightEntriesAndDrawRandomColours) {
    About& w = open();
    const std::vector<QColor> expected = {QColor(0, 0, 0),       QColor(0, 128, 0),     QColor(128, 0, 0),
                                          QColor(128, 128, 0),   QColor(128, 128, 128), QColor(0, 255, 0),
                                          QColor(255, 0, 0),     QColor(255, 255, 0)};
    std::set<QRgb> label3;
    for (int tick = 0; tick < 24; ++tick) {
        w.Timer1_Timer();
        EXPECT_EQ(w.Label1->palette().color(QPalette::WindowText), expected[static_cast<std::size_t>(tick % 8)])
            << "tick " << tick;
        label3.insert(w.Label3->palette().color(QPalette::WindowText).rgb());
    }
    EXPECT_GT(label3.size(), 20u) << "Label3 takes a fresh random colour each step";
}

TEST_F(AboutTest, OpeningAgainStartsTheCreditsAfresh) {
    {
        About& w = open();
        for (int tick = 0; tick < 100; ++tick) {
            w.Timer3_Timer();
            w.Timer10_Timer();
        }
        ASSERT_NE(w.Text1->text(), About::creditSentence());
        w.Command1->click();
    }
    EXPECT_FALSE(pentarix::isLoaded<About>());
    About& again = open();
    EXPECT_EQ(again.Text1->text(), About::creditSentence());
    EXPECT_EQ(again.slotCounter(), 4);
    EXPECT_EQ(again.colourCounter(), 0);
    EXPECT_EQ(again.Label1->text(), About::creditLines()[0]);
    EXPECT_EQ(pentarix::twips::fromPx(again.Label4->y()), 3840);
}

TEST_F(AboutTest, CaptionFitsAndNeverSlides) {
    About& w = open();
    for (int tick = 0; tick < 20; ++tick) w.Timer2_Timer();
    EXPECT_EQ(w.windowTitle(), pentarix::about_texts::kCaption);
    EXPECT_TRUE(w.slideDirection().isEmpty());
}

} // namespace
