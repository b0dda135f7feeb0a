// Invariants of the parameter dialogs: each is made from its values struct
// and read back as that struct, so a command never names a field; the
// struct's defaults are what the dialog shows when nothing is preset; the
// model has no reader by key left, so a mistyped key cannot compile; a
// reader given another dialog's model refuses rather than reading zeros.

#include "view/dialogs/Dialogs.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace loopora;
using namespace loopora::dialogs;

namespace {

template <typename M>
concept ReadsValuesByKey = requires(const M& m) {
    { m.integer(std::string("count")) };
} || requires(const M& m) {
    { m.real(std::string("height")) };
} || requires(const M& m) {
    { m.text(std::string("text")) };
} || requires(M& m) {
    { m.setInteger(std::string("count"), 1) };
};
static_assert(!ReadsValuesByKey<DialogModel>, "dialog values are read and preset through Dialogs.h only");

std::vector<std::string> texts(const DialogModel& model)
{
    std::vector<std::string> out;
    for (const DialogField& f : model.fields())
        out.push_back(f.text);
    return out;
}

} // namespace

TEST(Dialogs, ShowTheirOwnValuesWhenNothingIsPreset)
{
    EXPECT_EQ(texts(modelOf(ChartParameters{})), (std::vector<std::string>{"0", "0", "1", "30"}));
    EXPECT_EQ(texts(modelOf(LabelText{})), (std::vector<std::string>{""}));
    EXPECT_EQ(texts(modelOf(RowParameters{})), (std::vector<std::string>{"2", "30", "0"}));
    EXPECT_EQ(texts(modelOf(ArcParameters{})), (std::vector<std::string>{"10", "30", "0", "360"}));
    EXPECT_EQ(texts(modelOf(LoopedArcParameters{})), (std::vector<std::string>{"1", "0", "360", "10", "30"}));
    EXPECT_EQ(texts(modelOf(ChainRingParameters{})), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(texts(modelOf(ScaleFactors{})), (std::vector<std::string>{"0", "0"}));
}

TEST(Dialogs, ReadBackTheValuesTheyShow)
{
    const ChartParameters chart = Dialog<ChartParameters>({320, 240, 2, 15}).values();
    EXPECT_EQ(chart.width, 320);
    EXPECT_EQ(chart.height, 240);
    EXPECT_EQ(chart.background, 2);
    EXPECT_EQ(chart.spacing, 15);
    EXPECT_EQ(Dialog<LabelText>({"Ряд 1\r\nвторая"}).values().text, "Ряд 1\r\nвторая");
    const RowParameters row = Dialog<RowParameters>({12, 7.5, true}).values();
    EXPECT_EQ(row.count, 12);
    EXPECT_EQ(row.height, 7.5);
    EXPECT_TRUE(row.alongLine);
    const LoopedArcParameters looped = Dialog<LoopedArcParameters>({{16, 12.5, true, 270.0}, 3}).values();
    EXPECT_EQ(looped.arc.count, 16);
    EXPECT_EQ(looped.arc.height, 12.5);
    EXPECT_TRUE(looped.arc.alongArc);
    EXPECT_EQ(looped.arc.sweep, 270.0);
    EXPECT_EQ(looped.loops, 3);
    const ChainRingParameters ring = Dialog<ChainRingParameters>({9, 2.5}).values();
    EXPECT_EQ(ring.count, 9);
    EXPECT_EQ(ring.loopSize, 2.5);
    const ScaleFactors factors = Dialog<ScaleFactors>({1.5, 0.75}).values();
    EXPECT_EQ(factors.width, 1.5);
    EXPECT_EQ(factors.height, 0.75);
}

TEST(Dialogs, ReadWhatTheUserTyped)
{
    Dialog<ArcParameters> arc;
    EXPECT_TRUE(arc.model().setFieldText("count", " 24 "));
    EXPECT_TRUE(arc.model().setFieldText("rotate", "1"));
    EXPECT_TRUE(arc.model().setFieldText("angle", "180,5"));
    EXPECT_FALSE(arc.model().setFieldText("cuont", "24"));
    ASSERT_FALSE(arc.model().validate());
    EXPECT_EQ(arc.values().count, 24);
    EXPECT_TRUE(arc.values().alongArc);
    EXPECT_EQ(arc.values().sweep, 180.5);
}

TEST(Dialogs, AReaderRefusesAnotherDialogsModel)
{
    RowParameters row;
    EXPECT_THROW(read(modelOf(ScaleFactors{}), row), std::logic_error);
    LoopedArcParameters looped;
    EXPECT_THROW(read(modelOf(ArcParameters{}), looped), std::logic_error);
}
