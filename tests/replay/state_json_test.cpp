// SPDX-License-Identifier: MIT
// The replay driver's dump tells what the window shows: read by Qt's JSON parser, a reader that
// is not ours, every value of it is compared with the window model it was written from, in
// states that set each part of it to something other than its value at start-up.
#include "replay/state_json.h"
#include "tests/support/test_window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace liftcalc::testing {
namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Every value of the dump against the model and the message boxes shown since the last dump.
void expectDumpTellsTheWindow(const Window &w, const std::vector<MessageBox> &shown) {
    const std::string dump = stateJson(w, shown);
    QJsonParseError error{};
    const QJsonObject state =
        QJsonDocument::fromJson(QByteArray::fromStdString(dump), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << dump;

    EXPECT_EQ(state["loaded"], w.loaded());
    EXPECT_EQ(state["formLoaded"], w.formLoaded());
    EXPECT_EQ(state["imperialMode"], w.imperialMode());
    EXPECT_EQ(state["heading"], q(w.Label1(kHeadingLabel).Caption));
    EXPECT_EQ(state["displacementTip"], q(w.Label1(kDisplacementLabel).ToolTipText));
    EXPECT_EQ(state["focus"],
              w.focus() ? QJsonValue(q(controlName(*w.focus()))) : QJsonValue(QJsonValue::Null));

    // Every item of the menus that carries a check mark (the calculators and the unit systems,
    // not the items that open a window or add to the record), and nothing else.
    const QJsonObject menus = state["menus"].toObject();
    int checkable = 0;
    for (const MenuDesign &menu : kMenus) {
        if (!menu.calculator && menu.parent != MenuItem::mnuUnits)
            continue;
        ++checkable;
        EXPECT_EQ(menus[q(menu.name)], w.checked(menu.item)) << menu.name;
    }
    EXPECT_EQ(menus.size(), checkable);

    const std::pair<const char *, const OptionButton &> options[] = {
        {"optImperial", w.optImperial()}, {"optMetric", w.optMetric()}};
    for (const auto &[name, o] : options) {
        const QJsonObject seen = state["options"][name].toObject();
        EXPECT_EQ(seen["value"], o.Value) << name;
        EXPECT_EQ(seen["foreColor"], double(o.ForeColor)) << name;
        EXPECT_EQ(seen["bold"], o.FontBold) << name;
    }

    const QJsonArray fields = state["fields"].toArray();
    ASSERT_EQ(fields.size(), kFieldCount);
    for (int i = 0; i < kFieldCount; ++i) {
        SCOPED_TRACE("Text1(" + std::to_string(i) + ")");
        const Field &f = w.Text1(i);
        const QJsonObject seen = fields[i].toObject();
        EXPECT_EQ(seen["text"], q(f.Text));
        EXPECT_EQ(seen["visible"], f.Visible);
        EXPECT_EQ(seen["locked"], f.Locked);
        EXPECT_EQ(seen["tabStop"], f.TabStop);
        EXPECT_EQ(seen["backColor"], double(f.BackColor));
        EXPECT_EQ(seen["left"], f.Left);
        EXPECT_EQ(seen["selStart"], f.SelStart);
        EXPECT_EQ(seen["selLength"], f.SelLength);
    }

    const QJsonArray messages = state["messages"].toArray();
    ASSERT_EQ(messages.size(), qsizetype(shown.size()));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(messages[i]["title"], q(shown[i].title));
        EXPECT_EQ(messages[i]["prompt"], q(shown[i].prompt));
        EXPECT_EQ(messages[i]["buttons"], shown[i].buttons);
    }

    const NumberFormat &format = w.numberFormat();
    EXPECT_EQ(state["numberFormat"]["decimal"], q(format.decimal));
    EXPECT_EQ(state["numberFormat"]["group"], q(format.group));
    EXPECT_EQ(state["numberFormat"]["minus"], q(format.minus));
}

struct DumpCase {
    const char *name;
    const NumberFormat *format;
    std::function<void(TestWindow &)> session;
};

class Dump : public ::testing::TestWithParam<DumpCase> {};

TEST_P(Dump, TellsWhatTheWindowShows) {
    TestWindow t(*GetParam().format);
    GetParam().session(t);
    expectDumpTellsTheWindow(t.window, t.messages());
}

INSTANTIATE_TEST_SUITE_P(
    States, Dump,
    ::testing::Values(DumpCase{"AtStartUp", &kEnglish, [](TestWindow &) {}},
                      DumpCase{"WorkedExampleInGerman", &kGerman,
                               [](TestWindow &t) {
                                   t.typeWorkedExample();
                                   t.window.pressEnter();
                                   t.window.pressTab(true); // back to the load, its text selected
                               }},
                      DumpCase{"MetricUpSpeedWithTheChart", &kTypographicMinus,
                               [](TestWindow &t) {
                                   t.window.chooseMenu(MenuItem::mnuMetric);
                                   t.window.chooseMenu(menuItemOf(calculators::upSpeed));
                                   t.type(1, "-1");
                                   t.window.pressEnter();
                                   t.window.chooseMenu(MenuItem::mnuConversions);
                               }},
                      DumpCase{"TwoPlungersDisplacement", &kEnglish,
                               [](TestWindow &t) {
                                   t.window.chooseMenu(
                                       menuItemOf(calculators::plungerDisplacement));
                                   t.type(0, "10");
                                   t.type(1, "2");
                                   t.type(11, "100 \"fpm\"\t\\");
                                   t.window.pressEnter();
                                   t.type(11, "100");
                                   t.window.pressEnter();
                               }},
                      DumpCase{"WindowGone", &kEnglish,
                               [](TestWindow &t) { t.window.pressEscape(); }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace liftcalc::testing
