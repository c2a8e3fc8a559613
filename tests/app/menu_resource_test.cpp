#include "app/menu_resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace korvo::app {
namespace {

MenuItem Load(const char* name) {
    std::optional<MenuItem> menu = LoadMenu(name);
    EXPECT_TRUE(menu.has_value()) << name;
    return menu.value_or(MenuItem{});
}

// The popup labels from the menu bar down to the item with `id`; empty when absent.
bool PathTo(const MenuItem& popup, int id, std::vector<std::string>& path) {
    for (const MenuItem& child : popup.children) {
        if (child.id == id) return true;
        if (child.IsPopup()) {
            path.push_back(child.label);
            if (PathTo(child, id, path)) return true;
            path.pop_back();
        }
    }
    return false;
}

std::vector<std::string> PathTo(const MenuItem& root, int id) {
    std::vector<std::string> path;
    if (!PathTo(root, id, path)) return {"<missing>"};
    return path;
}

// Removes the decoration the opening and multi-chart menus add to a label.
std::string Undecorated(std::string label) {
    for (const std::string mark : {"◆", "★", "　"}) {
        for (std::size_t at = label.find(mark); at != std::string::npos; at = label.find(mark))
            label.erase(at, mark.size());
    }
    return label;
}

void CollectLabels(const MenuItem& item, int id, std::set<std::string>& labels) {
    for (const MenuItem& child : item.children) {
        if (child.id == id) labels.insert(Undecorated(child.label));
        CollectLabels(child, id, labels);
    }
}

void CollectPopupLabels(const MenuItem& item, std::set<std::string>& labels) {
    for (const MenuItem& child : item.children) {
        if (child.IsPopup()) {
            labels.insert(Undecorated(child.label));
            CollectPopupLabels(child, labels);
        }
    }
}

TEST(MenuResource, BrokenMenuTextsAreRefusedWithTheLineAtFault) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "the menu has no entries"},
        {"# only a comment\n\n", "the menu has no entries"},
        {"POPUP A\n\tITEM 1 x\n", "line 2: indent with blanks"},
        {"POPUP A\n  ITEM 1 x\n", "line 2: the indentation must be a multiple of 4"},
        {"POPUP A\n        ITEM 1 x\n", "line 2: indented deeper"},
        {"ITEM 1 x\n    ITEM 2 y\n", "line 2: indented deeper"},
        {"POPUP A\nITEM 1 x\n", "line 1: the popup \"A\" is empty"},
        {"MENUITEM 1 x\n", "line 1: unknown entry \"MENUITEM\""},
        {"ITEM 0 x\n", "line 1: the command id must be"},
        {"ITEM 65536 x\n", "line 1: the command id must be"},
        {"ITEM -5 x\n", "line 1: the command id must be"},
        {"ITEM 12a x\n", "line 1: the command id must be"},
        {"ITEM 342\n", "line 1: the entry has no label"},
        {"ITEM 342 \n", "line 1: the entry has no label"},
        {"POPUP\n    ITEM 1 x\n", "line 1: the entry has no label"},
        {"POPUP A\n    SEPARATOR x\n", "line 2: SEPARATOR takes nothing"},
        {"POPUP A\n    POPUP B\n        POPUP C\n            POPUP D\n                POPUP E\n"
         "                    POPUP F\n                        POPUP G\n"
         "                            POPUP H\n                                POPUP I\n"
         "                                    ITEM 1 x\n",
         "line 10: nested too deeply"},
    };
    for (const auto& c : cases) {
        const MenuParseResult result = ParseMenu(c.text);
        EXPECT_FALSE(result.menu.has_value()) << c.text;
        EXPECT_NE(result.error.find(c.error), std::string::npos)
            << c.text << " gave: " << result.error;
    }
}

TEST(MenuResource, LabelsAreKeptExactlyAndNestingFollowsTheIndentation) {
    const std::string text =
        "\xEF\xBB\xBF# comment\r\n"
        "POPUP ﾁｬｰﾄ\r\n"
        "    POPUP 最適化計算\r\n"
        "        ITEM 733 ｽﾃｯﾌﾟﾁｬｰﾄ\r\n"
        "    SEPARATOR\r\n"
        "    # a comment inside\r\n"
        "    TOGGLE 3442 移動平均線(Line1)\r\n"
        "    ITEM 3461 横  5%\r\n"
        "    ITEM 10012  ﾃﾞｰﾀ （日）\r\n"
        "ITEM 11 ﾍﾙﾌﾟ\r\n";
    const MenuParseResult result = ParseMenu(text);
    ASSERT_TRUE(result.menu.has_value()) << result.error;
    const MenuItem& root = *result.menu;
    ASSERT_EQ(root.children.size(), 2u);
    const MenuItem& chart = root.children[0];
    EXPECT_TRUE(chart.IsPopup());
    EXPECT_EQ(chart.label, "ﾁｬｰﾄ");
    ASSERT_EQ(chart.children.size(), 5u);
    EXPECT_EQ(chart.children[0].label, "最適化計算");
    EXPECT_EQ(chart.children[0].children.at(0).id, 733);
    EXPECT_TRUE(chart.children[1].separator);
    EXPECT_TRUE(chart.children[2].toggle);
    EXPECT_FALSE(chart.children[3].toggle);
    EXPECT_EQ(chart.children[3].label, "横  5%");
    // Only the one blank after the id separates: a label may start with a blank.
    EXPECT_EQ(chart.children[4].label, " ﾃﾞｰﾀ （日）");
    EXPECT_EQ(root.children[1].id, 11);
    EXPECT_EQ(root.children[1].label, "ﾍﾙﾌﾟ");
}

TEST(MenuResource, OnlyTheThreeMenusOfTheProgramLoad) {
    for (const char* name : {kOpenMenuName, kChartMenuName, kMultiChartMenuName})
        EXPECT_TRUE(LoadMenu(name).has_value()) << name;
    EXPECT_FALSE(LoadMenu("korvomenu").has_value());
    EXPECT_FALSE(LoadMenu("../hints/hints").has_value());
    EXPECT_FALSE(LoadMenu("").has_value());
}

TEST(MenuResource, ChartMenuCarriesEveryCommandUnderItsMenu) {
    const MenuItem menu = Load(kChartMenuName);
    const std::vector<std::string> bar = {"★ｵﾝﾗｲﾝ",  "ｸﾞﾗﾌ",       "ﾁｬｰﾄ", "編集",  "ﾃﾞｰﾀ読込",
                                          "表示",    "ﾃﾞｰﾀﾌｧｲﾙ",   "ｻｲｽﾞ", "ﾘｽﾄ表", "画面更新",
                                          "ﾌｧｲﾙ･ﾒﾓ", "操作ヒント", "ﾍﾙﾌﾟ"};
    ASSERT_EQ(menu.children.size(), bar.size());
    for (std::size_t i = 0; i < bar.size(); ++i)
        EXPECT_EQ(menu.children[i].label, bar[i]);

    using Path = std::vector<std::string>;
    const struct {
        int id;
        const char* label;
        Path path;
    } items[] = {
        {3517, "ﾃﾞｰﾀ ﾀﾞｳﾝﾛｰﾄﾞ", {"★ｵﾝﾗｲﾝ"}},
        {3454, "週足", {"ｸﾞﾗﾌ"}},
        {3459, "日足へ戻る", {"ｸﾞﾗﾌ"}},
        {3503, "ﾗｲﾝ(折線)ｸﾞﾗﾌ", {"ｸﾞﾗﾌ"}},
        {342, "更新(ｽｸﾘｰﾝ)", {"ｸﾞﾗﾌ"}},
        {8083, "ﾌﾟﾘﾝﾄ･ｻｲｽﾞ･位置", {"ｸﾞﾗﾌ"}},
        {70, "終了", {"ｸﾞﾗﾌ"}},
        {733, "ｽﾃｯﾌﾟﾁｬｰﾄ", {"ﾁｬｰﾄ", "最適化計算"}},
        {732, "PF ﾁｬｰﾄ", {"ﾁｬｰﾄ", "最適化計算"}},
        {3446, "ｽﾃｯﾌﾟﾁｬｰﾄ", {"ﾁｬｰﾄ"}},
        {3452, "ﾎﾟｲﾝﾄ&&ﾌｨｷﾞｱ", {"ﾁｬｰﾄ"}},
        {3483, "% R", {"ﾁｬｰﾄ"}},
        {3510, "強弱ｴﾈﾙｷﾞ(AR)・人気(BR)", {"ﾁｬｰﾄ"}},
        {3514, "★売買ﾎﾟｲﾝﾄ-ｲﾝﾃﾞｨｹｰﾀ★", {"ﾁｬｰﾄ"}},
        {8003, "Vol ﾋｽﾄｸﾞﾗﾑ", {"ﾁｬｰﾄ"}},
        {3506, "転換･基準線", {"ﾁｬｰﾄ", "一目均衡表"}},
        {3507, "スパン 1－2", {"ﾁｬｰﾄ", "一目均衡表"}},
        {35081, "ALL OFF", {"ﾁｬｰﾄ", "一目均衡表"}},
        {3500, "SAR(ﾊﾟﾗﾎﾞﾘｯｸ)", {"ﾁｬｰﾄ"}},
        {83, "現(表示)ﾌｧｲﾙ", {"編集"}},
        {80, "ﾃｷｽﾄﾌｧｲﾙへ変換", {"編集"}},
        {10012, "ﾃﾞｲﾘｰﾃﾞｰﾀ（日）", {"ﾃﾞｰﾀ読込", "日本株"}},
        {7993, "ﾃﾞｰﾀ  (年)", {"ﾃﾞｰﾀ読込", "日本株"}},
        {7992, "データ(年) txt ﾌｧｲﾙ", {"ﾃﾞｰﾀ読込", "日本株"}},
        {3444, "始/終値", {"表示", "ﾃﾞｰﾀ値表示"}},
        {3445, "高/安値", {"表示", "ﾃﾞｰﾀ値表示"}},
        {3460, "ﾌﾟﾛｯﾄ開始日(短期間）", {"表示"}},
        {8000, "VOL変動ｱﾗｰﾑ ON/OFF", {"表示"}},
        {8131, "文字・線・書込み", {"表示", "書込み"}},
        {3479, "書込文字･線・削除", {"表示", "書込み"}},
        {8951, "ｶﾞｲﾄﾞ･ｵﾌ", {"表示"}},
        {7190, "標準設定", {"表示", "ｶﾗｰ設定"}},
        {7191, "ﾎﾞﾘﾝｼﾞｬ-", {"表示", "ｶﾗｰ設定"}},
        {7192, "ﾗｲﾝ・Vol平均線", {"表示", "ｶﾗｰ設定"}},
        {860, "ﾃﾞｰﾀﾌｧｲﾙ･ﾘｽﾄ", {"ﾃﾞｰﾀﾌｧｲﾙ"}},
        {7380, "ﾎﾟｰﾄﾌｫﾘｵ-1", {"ﾃﾞｰﾀﾌｧｲﾙ", "注目銘柄"}},
        {7399, "ｽｷｬﾝ", {"ﾃﾞｰﾀﾌｧｲﾙ", "注目銘柄"}},
        {7999, "ﾏﾙﾁ（多重） ﾁｬｰﾄ", {"ﾃﾞｰﾀﾌｧｲﾙ"}},
        {886, "伸縮(%)ｶｽﾀﾑ設定", {"ｻｲｽﾞ"}},
        {3461, "横  5%", {"ｻｲｽﾞ"}},
        {34661, "75%", {"ｻｲｽﾞ"}},
        {3470, "縦  25%", {"ｻｲｽﾞ"}},
        {34711, "75%", {"ｻｲｽﾞ"}},
        {3455, "ﾘｽﾄ表", {}},
        {932, "ﾌｧｲﾙ･ﾒﾓ", {}},
        {55000, "操作ヒント", {}},
        {11, "ﾍﾙﾌﾟ", {}},
    };
    for (const auto& item : items) {
        const MenuItem* found = FindMenuItem(menu, item.id);
        ASSERT_NE(found, nullptr) << item.id;
        EXPECT_EQ(found->label, item.label) << item.id;
        EXPECT_EQ(PathTo(menu, item.id), item.path) << item.id;
    }

    // Every command of the chart menu's tables, the colour items included.
    const std::vector<int> commands = {
        3517, 3454, 3457,  3459, 3451, 3504,  3503,  342,   8550, 8551, 8083, 70,   733,  734,
        732,  3446, 3448,  3449, 3452, 3458,  3442,  3443,  8004, 3453, 3482, 3483, 3498, 3484,
        3486, 3487, 3488,  3490, 3510, 3511,  3492,  3493,  3502, 3495, 3514, 3496, 3494, 3489,
        3491, 8003, 3506,  3507, 3508, 35081, 3500,  3509,  3416, 83,   8002, 8133, 3480, 737,
        3519, 80,   10012, 7991, 7993, 7992,  3444,  3445,  931,  3460, 8082, 8000, 8131, 3477,
        3479, 3501, 8951,  7190, 7000, 7010,  7020,  7030,  7040, 7050, 7060, 7070, 7080, 7090,
        7140, 7160, 7150,  7191, 7192, 860,   7380,  7381,  7382, 7391, 7398, 7399, 7999, 886,
        3475, 3461, 3462,  3463, 3464, 3465,  3466,  34661, 3467, 3468, 3469, 3470, 3471, 34711,
        3472, 3473, 3474,  3455, 100,  932,   55000, 11};
    const std::vector<int> ids = MenuCommandIds(menu);
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()),
              std::set<int>(commands.begin(), commands.end()));
    EXPECT_EQ(ids.size(), std::set<int>(ids.begin(), ids.end()).size()) << "ids listed once";
}

TEST(MenuResource, BothImportSubMenusCarryTheSameCommands) {
    const MenuItem menu = Load(kChartMenuName);
    const MenuItem* import = nullptr;
    for (const MenuItem& item : menu.children)
        if (item.label == "ﾃﾞｰﾀ読込") import = &item;
    ASSERT_NE(import, nullptr);
    ASSERT_EQ(import->children.size(), 2u);
    EXPECT_EQ(import->children[0].label, "日本株");
    EXPECT_EQ(import->children[1].label, "海外株");
    auto ids = [](const MenuItem& popup) {
        std::vector<int> out;
        for (const MenuItem& item : popup.children)
            out.push_back(item.id);
        return out;
    };
    EXPECT_EQ(ids(import->children[0]), (std::vector<int>{10012, 7991, 7993, 7992}));
    EXPECT_EQ(ids(import->children[1]), ids(import->children[0]));
    // The first item found is the Japanese one; the overseas one keeps its own label.
    EXPECT_EQ(FindMenuItem(menu, 10012)->label, "ﾃﾞｲﾘｰﾃﾞｰﾀ（日）");
    EXPECT_EQ(import->children[1].children[0].label, " ﾃﾞｰﾀ （日）");
}

TEST(MenuResource, OnOffCommandsCarryCheckMarksAndOthersDoNot) {
    const MenuItem menu = Load(kChartMenuName);
    const std::set<int> toggles = {3451, 3504, 3503, 3442, 3443, 8004, 3453, 3511,
                                   3495, 3496, 3494, 3489, 8003, 3506, 3507, 3508,
                                   3500, 3444, 3445, 3460, 8000, 3477, 3501, 8951};
    for (int id : MenuCommandIds(menu)) {
        const MenuItem* item = FindMenuItem(menu, id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->toggle, toggles.count(id) == 1) << id << " " << item->label;
    }
}

TEST(MenuResource, OpeningAndMultiChartMenusAreDecoratedSubsetsOfTheChartMenu) {
    const MenuItem chart = Load(kChartMenuName);
    std::set<std::string> chartPopups;
    CollectPopupLabels(chart, chartPopups);

    const struct {
        const char* name;
        std::vector<int> commands;
    } menus[] = {
        {kOpenMenuName, {3517, 10012, 7991, 7993, 7992, 3509, 3416, 737,  80,    3501, 8951,
                         860,  7380,  7391, 7381, 7398, 7382, 7399, 7999, 55000, 11,   70}},
        {kMultiChartMenuName, {3451, 3504, 3503, 342,  8550,  8551, 8083, 70,   860,   7380,  7381,
                               7382, 886,  3475, 3461, 3462,  3463, 3464, 3465, 3466,  34661, 3467,
                               3468, 3469, 3470, 3471, 34711, 3472, 3473, 3474, 55000, 11}},
    };
    for (const auto& m : menus) {
        const MenuItem menu = Load(m.name);
        const std::vector<int> ids = MenuCommandIds(menu);
        EXPECT_EQ(std::set<int>(ids.begin(), ids.end()),
                  std::set<int>(m.commands.begin(), m.commands.end()))
            << m.name;
        for (int id : ids) {
            std::set<std::string> here;
            std::set<std::string> there;
            CollectLabels(menu, id, here);
            CollectLabels(chart, id, there);
            for (const std::string& label : here)
                EXPECT_EQ(there.count(label), 1u) << m.name << " " << id << " " << label;
            // A check mark means the same option in every menu.
            EXPECT_EQ(FindMenuItem(menu, id)->toggle, FindMenuItem(chart, id)->toggle)
                << m.name << " " << id;
        }
        std::set<std::string> popups;
        CollectPopupLabels(menu, popups);
        for (const std::string& label : popups)
            EXPECT_EQ(chartPopups.count(label), 1u) << m.name << " popup " << label;
    }
}

TEST(MenuResource, LookupsFindTheFirstItemAndListEachIdOnce) {
    const MenuItem menu = Load(kChartMenuName);
    EXPECT_EQ(FindMenuItem(menu, 0), nullptr);
    EXPECT_EQ(FindMenuItem(menu, 7392), nullptr);  // the scan pop-up is no menu item
    EXPECT_EQ(FindMenuItem(menu, 888), nullptr);
    const std::vector<int> ids = MenuCommandIds(menu);
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.front(), 3517);
    EXPECT_EQ(ids.back(), 11);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 10012), 1);
}

}  // namespace
}  // namespace korvo::app
