#include <gtest/gtest.h>

#include "cad/element_commands.h"
#include "fake_cad_view.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

class ElementCommandTest : public ::testing::Test {
 protected:
  CadElement* Point(double x, double y, ElementState state = ElementState::kNormal) {
    return MakeElement(table, host, NextFreeSlot(table), ElementKind::kPoint, palette::kWhite,
                       {x, y, 0, 0, 0, 0}, 0, 1, state, 1);
  }
  PixelPoint At(double x, double y) {
    return {static_cast<int>(400 + 10 * x), static_cast<int>(300 - 10 * y)};
  }
  void Run(ElementAction action) { runner.Start(context, MakeElementCommand(action)); }

  FakeHost host;
  ElementTable table;
  FakeCadView view;
  CadContext context{table, view, host};
  CommandRunner runner;
};

TEST_F(ElementCommandTest, NamesPromptsAndEscape) {
  Run(ElementAction::kDeleteText);
  EXPECT_EQ(host.command_panel, "DELETE TEXT");
  EXPECT_EQ(host.prompt_panel, "Pick Corner of Text");
  Run(ElementAction::kDeleteArrow);
  EXPECT_EQ(host.command_panel, "DELETE ARROWHEAD");
  EXPECT_EQ(host.prompt_panel, "Pick Point of Arrow");
  Run(ElementAction::kGroupRemove);
  EXPECT_EQ(host.command_panel, "REMOVE ELEMENT FROM GROUP");
  EXPECT_EQ(host.prompt_panel, "Pick Element");
  EXPECT_TRUE(host.Showed("No Elements Defined"));  // group commands on an empty drawing
  runner.End(host);
  EXPECT_FALSE(runner.Running());
  EXPECT_EQ(host.command_panel, "");
  EXPECT_EQ(host.prompt_panel, "");
  runner.Pick(context, At(0, 0));  // no command: nothing happens
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(ElementCommandTest, DeleteTakesPickAfterPickAndWaitsOnAMiss) {
  CadElement* a = Point(0, 0);
  CadElement* b = Point(5, 0);
  Run(ElementAction::kDelete);
  host.prompt_panel.clear();
  runner.Pick(context, At(20, 20));
  EXPECT_EQ(host.beeps, 1);
  runner.Pick(context, At(0, 0));
  EXPECT_TRUE(a->deleted);
  EXPECT_EQ(host.prompt_panel, "Pick Element");
  runner.Pick(context, At(5, 0));
  EXPECT_TRUE(b->deleted);
  EXPECT_EQ(static_cast<const ElementCommand*>(runner.Current())->step(),
            ElementCommand::Step::kPickElement);
}

TEST_F(ElementCommandTest, DeleteTextFindsOnlyText) {
  CadElement* p = Point(0, 0);
  Run(ElementAction::kDeleteText);
  runner.Pick(context, At(0, 0));
  EXPECT_FALSE(p->deleted);
  EXPECT_EQ(host.beeps, 1);
}

TEST_F(ElementCommandTest, ChangeColourKeepsGroupsAndChangeLayerDoesNotRedraw) {
  CadElement* g = Point(0, 0, ElementState::kGroup);
  CadElement* r = Point(5, 0, ElementState::kResult);
  table.current_colour = palette::kLime;
  Run(ElementAction::kChangeColour);
  runner.Pick(context, At(0, 0));
  runner.Pick(context, At(5, 0));
  EXPECT_EQ(g->colour, palette::kLime);
  EXPECT_EQ(g->state, ElementState::kGroup);
  EXPECT_EQ(r->state, ElementState::kNormal);
  table.current_layer = 40;
  Run(ElementAction::kChangeLayer);
  view.paints.clear();
  runner.Pick(context, At(0, 0));
  EXPECT_EQ(g->layer, 40);
  ASSERT_EQ(view.paints.size(), 1u);  // only the pick's flash
  EXPECT_EQ(view.paints[0].state, ElementState::kSelected);
}

TEST_F(ElementCommandTest, NewGroupDissolvesTheOldOne) {
  CadElement* old = Point(0, 0, ElementState::kGroup);
  CadElement* fresh = Point(5, 0);
  Run(ElementAction::kGroupNew);
  EXPECT_EQ(old->state, ElementState::kNormal);
  runner.Pick(context, At(5, 0));
  EXPECT_EQ(fresh->state, ElementState::kGroup);
  Run(ElementAction::kGroupAdd);
  runner.Pick(context, At(0, 0));
  EXPECT_EQ(old->state, ElementState::kGroup);
  Run(ElementAction::kGroupRemove);
  runner.Pick(context, At(5, 0));
  EXPECT_EQ(fresh->state, ElementState::kNormal);
  EXPECT_FALSE(host.Showed("No Elements Defined"));
}

TEST_F(ElementCommandTest, InsideWindowTakesWhollyEnclosedElements) {
  CadElement* inside = Point(1, 1);
  CadElement* outside = Point(30, 1);
  CadElement* across = MakeElement(table, host, NextFreeSlot(table), ElementKind::kLine, 0,
                                   {0, 0, 0, 30, 0, 0}, 0, 1, ElementState::kNormal, 1);
  CadElement* arc = MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0,
                                {5, 0, 0, 2, 0, 180}, 0, 1, ElementState::kNormal, 1);
  CadElement* bulging = MakeElement(table, host, NextFreeSlot(table), ElementKind::kArc, 0,
                                    {5, 0, 0, 6, 0, 180}, 0, 1, ElementState::kNormal, 1);
  context.pick_mode = PickMode::kInsideWindow;
  Run(ElementAction::kGroupAdd);
  runner.Pick(context, At(1, 1));  // single picks do nothing in this mode
  EXPECT_EQ(inside->state, ElementState::kNormal);
  runner.Window(context, At(-2, 5), At(10, -1));
  EXPECT_EQ(inside->state, ElementState::kGroup);
  EXPECT_EQ(arc->state, ElementState::kGroup);
  EXPECT_EQ(bulging->state, ElementState::kNormal);  // its top reaches Y = 6
  EXPECT_EQ(outside->state, ElementState::kNormal);
  EXPECT_EQ(across->state, ElementState::kNormal);
  Run(ElementAction::kDelete);
  runner.Window(context, At(-2, 5), At(10, -1));
  EXPECT_TRUE(inside->deleted);
  EXPECT_FALSE(outside->deleted);
}

}  // namespace
}  // namespace vormak
