// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility/GridFocus.h"

#include "core/Palette.h"
#include "platform/accessibility/Contrast.h"
#include "platform/accessibility/FocusFrame.h"
#include "platform/design/Colors.h"
#include "platform/design/DesignButton.h"
#include "platform/design/DesignSurface.h"

#include "support/QtPrinting.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Two buttons above a grid of 3 rows by 4 columns of plain widgets, 20 pixels apart.
constexpr std::array<ControlDesign, 2> kButtons = {{
    {.name = "Uno",
     .kind = ControlKind::Button,
     .left = 150,
     .top = 150,
     .width = 900,
     .height = 300,
     .text = "Uno",
     .focusOrder = 0},
    {.name = "Due",
     .kind = ControlKind::Button,
     .left = 1200,
     .top = 150,
     .width = 900,
     .height = 300,
     .text = "Due",
     .focusOrder = 1},
}};

class RecordedCells : public GridCells
{
public:
    explicit RecordedCells(QWidget *surface)
    {
        for (int cell = 0; cell < 12; ++cell) {
            widgets.push_back(new QWidget(surface));
            widgets.back()->setGeometry(10 + 20 * (cell % 4), 60 + 20 * (cell / 4), 18, 18);
        }
    }
    QWidget *cellWidget(int cell) const override { return widgets[std::size_t(cell)]; }
    QString cellName(int cell) const override { return QString::number(cell); }
    QString cellDescription(int) const override { return {}; }
    void pressCell(int cell) override { pressed.push_back(cell); }

    std::vector<QWidget *> widgets;
    std::vector<int> pressed;
};

class GridFocusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        surface->resize(surface->designSize().toSize() + QSize(0, 60));
        surface->setBackground(QColor(0x00, 0x00, 0x80));
        surface->show();
        surface->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(surface.get()));
    }

    // The grid's current cell after each key, from the first cell.
    std::vector<int> walk(std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys)
    {
        std::vector<int> visited;
        for (const auto &[key, modifiers] : keys) {
            QTest::keyClick(grid, key, modifiers);
            visited.push_back(grid->current());
        }
        return visited;
    }

    std::unique_ptr<DesignSurface> surface = std::make_unique<DesignSurface>(kButtons);
    FocusFrame *frame = new FocusFrame(surface.get());
    RecordedCells cells{surface.get()};
    GridFocus *grid =
        new GridFocus(3, 4, cells, QAccessible::Cell, GridFocus::Frame::Around, surface.get());
};

TEST_F(GridFocusTest, ArrowsStopAtTheEdgesAndHomeAndEndReachTheEnds)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    EXPECT_EQ(walk({{Qt::Key_Left, none},
                    {Qt::Key_Up, none},
                    {Qt::Key_Right, none},
                    {Qt::Key_Down, none},
                    {Qt::Key_Down, none},
                    {Qt::Key_Down, none},
                    {Qt::Key_End, none},
                    {Qt::Key_Right, none},
                    {Qt::Key_Home, none},
                    {Qt::Key_Up, none},
                    {Qt::Key_End, Qt::ControlModifier},
                    {Qt::Key_Home, Qt::ControlModifier}}),
              (std::vector<int>{0, 0, 1, 5, 9, 9, 11, 11, 8, 4, 11, 0}));
}

TEST_F(GridFocusTest, SpaceAndEnterPressTheCurrentCellOnceWhenHeld)
{
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Space);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyPress(grid, Qt::Key_Return);
    QTest::keyEvent(QTest::Press, grid, Qt::Key_Return, Qt::NoModifier, -1);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(grid, &repeat);
    EXPECT_EQ(cells.pressed, (std::vector<int>{1, 5, 5, 5, 5}));
}

TEST_F(GridFocusTest, TheGridIsOneTabStopAndTheFrameRingsWhatHasTheFocus)
{
    surface->button("Uno")->setFocus();
    const int width = frame->ring().width;
    EXPECT_EQ(width, 3) << "3 pixels at scale 1";
    EXPECT_EQ(frame->ring().outer, surface->button("Uno")->geometry().adjusted(-3, -3, 3, 3));
    EXPECT_EQ(frame->ring().ink, QColor(Qt::white)) << "on dark blue";

    QTest::keyClick(surface->button("Uno"), Qt::Key_Tab);
    EXPECT_TRUE(surface->button("Due")->hasFocus());
    QTest::keyClick(surface->button("Due"), Qt::Key_Tab);
    ASSERT_TRUE(grid->hasFocus());
    EXPECT_EQ(frame->ring().outer, QRect(7, 57, 24, 24)) << "around the first cell";
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(frame->ring().outer, cells.widgets[4]->geometry().adjusted(-3, -3, 3, 3));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(surface->button("Uno")->hasFocus()) << "the whole grid was one stop";

    surface->resize(surface->size() * 2);
    EXPECT_EQ(frame->ring().width, 6) << "twice as wide at scale 2";
    EXPECT_EQ(frame->geometry(), surface->rect());
}

TEST(Contrast, TheFrameStandsOutOnEveryBackgroundOfTheProgram)
{
    std::vector<QColor> backgrounds;
    for (quint32 stored : kPalette)
        backgrounds.push_back(colorFromStored(stored));
    // The games' green and purple, the letter cells' white and yellow, the covers' pale yellow.
    for (quint32 stored : {0x00008000u, 0x00800080u, 0x00FFFFFFu, 0x0000FFFFu, 0x0080FFFFu})
        backgrounds.push_back(colorFromStored(stored));
    for (const QColor &background : backgrounds)
        EXPECT_GE(contrastRatio(contrastingInk(background), background), 4.5)
            << background.name().toStdString();
    EXPECT_EQ(contrastingInk(QColor(0xFF, 0xFF, 0x00)), QColor(Qt::black));
    EXPECT_EQ(contrastingInk(QColor(0x80, 0x00, 0x80)), QColor(Qt::white));
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
}

} // namespace
