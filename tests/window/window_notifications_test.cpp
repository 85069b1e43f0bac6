// SPDX-License-Identifier: MIT
// What a front end sees of the window: a change is reported only when a property really
// changes, and field writes run the change rule inside the write, in program order.
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace liftcalc::testing {
namespace {

// Writing what a control already shows reports nothing and clears nothing.
TEST(ChangeNotifications, UnchangedValuesReportNothing) {
    TestWindow t;
    t.typeWorkedExample();
    t.window.pressEnter();
    ASSERT_TRUE(t.showsWorkedAnswers());
    t.changes.clear();

    t.code.setText(2, kWorkedInputs[2].text);
    t.code.setText(5, "");
    t.code.setVisible(0, true);
    t.code.setLocked(3, true);
    t.code.setTabStop(3, false);
    t.code.setBackColor(0, colours::white);
    t.code.setLeft(1, 3540);
    t.code.setCaption(19, "Static Pressure Calculator");
    t.code.setToolTipText(5, " This is the displacement of one plunger... ");
    t.code.setChecked(menuItemOf(calculators::staticPressure), true);
    t.code.setOptionValue(ControlId::optImperial, true);
    t.code.setOptionForeColor(ControlId::optImperial, colours::red);
    t.code.setOptionFontBold(ControlId::optImperial, true);
    EXPECT_TRUE(t.changes.empty()) << t.changes.size() << " changes reported";
    EXPECT_TRUE(t.showsWorkedAnswers());
}

// A code write into an open field runs the change rule before it returns: the answers and the
// counterpart are empty when the write comes back, and the front end hears of each in order.
TEST(ChangeNotifications, CodeWriteRunsTheChangeRuleInside) {
    TestWindow t;
    t.typeWorkedExample();
    t.window.pressEnter();
    t.changes.clear();

    t.code.setText(2, "30000");
    EXPECT_EQ(t.window.Text1(3).Text, "");
    EXPECT_EQ(t.window.Text1(8).Text, "");
    EXPECT_EQ(t.window.Text1(7).Text, "");
    EXPECT_EQ(t.window.Text1(6).Text, workedAnswer(6));
    EXPECT_EQ(t.textChanges(), (std::vector<int>{2, 3, 8, 7}));
}

// In the flow rate calculator a new diameter empties 4, 9, 5, 10, then the millimetre field,
// and a write into a locked field clears nothing.
TEST(ChangeNotifications, FlowRateDiameterEmptiesInOrder) {
    TestWindow t;
    t.window.chooseMenu(menuItemOf(calculators::flowRate));
    t.type(0, "10");
    t.type(1, "2");
    t.type(11, "100");
    t.window.pressEnter();
    ASSERT_EQ(t.window.Text1(4).Text, "816.000");
    t.changes.clear();

    t.code.setText(12, "0.6"); // locked in imperial units
    EXPECT_EQ(t.textChanges(), (std::vector<int>{12}));
    EXPECT_EQ(t.window.Text1(4).Text, "816.000");

    t.changes.clear();
    t.type(0, "12");
    EXPECT_EQ(t.textChanges(), (std::vector<int>{0, 4, 9, 5, 10, 6}));
    EXPECT_EQ(t.window.Text1(12).Text, "0.6");
    EXPECT_EQ(t.window.Label1(5).ToolTipText, " This is the displacement of one plunger... ");
}

// The field's colour alone tells an open field: white written by code counts, the design colour
// does not.
TEST(ChangeNotifications, OnlyWhiteFieldsRunTheChangeRule) {
    TestWindow t;
    t.typeWorkedExample();
    t.window.pressEnter();

    t.code.setBackColor(6, colours::windowBackground);
    t.code.setText(6, "300");
    EXPECT_EQ(t.window.Text1(3).Text, workedAnswer(3));
    EXPECT_EQ(t.window.Text1(0).Text, kWorkedInputs[0].text);

    t.code.setBackColor(6, colours::white); // still locked, but white
    t.code.setText(6, "310");
    EXPECT_EQ(t.window.Text1(3).Text, "");
    EXPECT_EQ(t.window.Text1(0).Text, "");
}

// A front end that disconnects hears nothing more.
TEST(ChangeNotifications, DisconnectedListenerHearsNothing) {
    int heard = 0;
    TestWindow t;
    const int id = t.window.changed.connect([&](const Change &) { ++heard; });
    t.type(0, "1");
    EXPECT_GT(heard, 0);
    t.window.changed.disconnect(id);
    heard = 0;
    t.type(0, "2");
    EXPECT_EQ(heard, 0);
}

// A slot may disconnect itself, disconnect another or connect a new one while a change is
// being sent: the slot disconnected later in the list is not called, the new one hears from the
// next change on, and nothing dangles (the sanitizer build runs this too).
TEST(ChangeNotifications, SlotsConnectAndDisconnectDuringASend) {
    Signal<int> signal;
    std::vector<std::string> heard;
    int later = 0, added = 0;
    int first = 0;
    first = signal.connect([&](int n) {
        heard.push_back("first " + std::to_string(n));
        signal.disconnect(first);
        signal.disconnect(later);
        for (int i = 0; i < 100; ++i) // enough to move a vector's storage
            added = signal.connect([&heard, i](int m) {
                if (i == 0)
                    heard.push_back("added " + std::to_string(m));
            });
    });
    later = signal.connect([&](int n) { heard.push_back("later " + std::to_string(n)); });
    signal.send(1);
    signal.send(2);
    EXPECT_EQ(heard, (std::vector<std::string>{"first 1", "added 2"}));
    signal.disconnect(added);
    EXPECT_FALSE(signal.empty());
}

// A pasted megabyte is kept whole, selected on focus, and refused by the calculation through
// its own message box, without hanging.
TEST(HostileInput, PastedMegabyte) {
    TestWindow t;
    const std::string digits(1 << 20, '7');
    t.type(0, "10");
    t.type(1, "1");
    t.type(2, digits);
    EXPECT_EQ(t.window.Text1(2).Text.size(), digits.size());
    t.window.pressEnter();
    ASSERT_EQ(t.messages().size(), 1u);
    EXPECT_EQ(t.messages()[0].title, "Static Pressure");
    EXPECT_EQ(t.window.Text1(3).Text, "");

    t.window.clickField(0);
    t.window.clickField(2);
    EXPECT_EQ(t.window.Text1(2).SelStart, 0);
    EXPECT_GT(t.window.Text1(2).SelLength, 0);

    const std::string letters(1 << 20, 'x');
    t.type(1, letters);
    t.window.pressEnter();
    EXPECT_EQ(t.messages().size(), 2u);
    EXPECT_EQ(t.window.Text1(1).Text, letters);
}

// Any byte sequence typed into a field is kept as well-formed UTF-8.
TEST(HostileInput, IllFormedBytes) {
    TestWindow t;
    t.type(0, "1\xff"
              "0");
    EXPECT_EQ(t.window.Text1(0).Text, "1\uFFFD0");
    EXPECT_EQ(t.window.Text1(0).SelStart, 3);
    t.type(1, std::string("\0", 1));
    t.type(2, "20000");
    t.window.pressEnter();
    EXPECT_EQ(t.messages().size(), 1u);
}

} // namespace
} // namespace liftcalc::testing
