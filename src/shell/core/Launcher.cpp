#include "shell/core/Launcher.h"

#include "shell/core/WindowRegistry.h"

#include <QStringView>
#include <array>
#include <span>

namespace {

struct Title {
    const char16_t* title;
    const char* window;
};

// Catalogue captions of the areas 数学, 认知 and 填色.
constexpr std::array catalogueTitles{
    Title{u"比较", "FrmBijiaoMulu"},
    Title{u"10以内数数(一)", "FrmXunxushshXue"},
    Title{u"10以内数数(二)", "FrmXunxushshLX"},
    Title{u"10以内数数(三)", "FrmXunxushshW"},
    Title{u"10以内数数(四)", "FrmXunxushsh"},
    Title{u"序数练习", "FrmXunxuDuo"},
    Title{u"10以内按数取物", "frmShu_wu"},
    Title{u"10以内按物取数", "frmWu_shu"},
    Title{u"20以内按群数数", "frmQunshu"},
    Title{u"接数1-10", "frmJieshu"},
    Title{u"10以内数的分解", "frmFengjie"},
    Title{u"10以内排序(一)", "Frmpaixu"},
    Title{u"10以内排序(二)", "FrmPaixu2"},
    Title{u"10以内排序(三)", "Frmpaixu_yd"},
    Title{u"10以内加法", "frmNumjia"},
    Title{u"数字1-100", "Frm100"},
    Title{u"10以内减法", "frmNumjiang"},
    Title{u"拼图", "FrmPingtuMenu"},
    Title{u"手眼协调", "FrmShouYanxt"},
    Title{u"看图认字", "FrmTu_zhi"},
    Title{u"看字认图", "FrmZhi_tu"},
    Title{u"分辨颜色", "FrmFengbysh"},
    Title{u"求同活动(相同)", "FrmQtXiangtong"},
    Title{u"求同活动(同类)", "FrmQtTonglei"},
    Title{u"分类", "Frmfenglei"},
    Title{u"拼图（瑞文）", "FrmPingtu"},
    Title{u"填色游戏", "FrmdrawColor"},
    Title{u"画图板", "MDIFrmHuatu"},
};

// The activity chooser's step titles, in the order they are compared.
constexpr std::array chooserTitles{
    Title{u"比较", "FrmBijiaoMulu"},
    Title{u"比较(选大)", "FrmBijiaoMuluda"},
    Title{u"比较(选小)", "FrmBijiaoMuluxiao"},
    Title{u"数数", "FrmXunxushsh"},
    Title{u"按数取物", "frmShu_wu"},
    Title{u"按物取数", "frmWu_shu"},
    Title{u"按群数数", "frmQunshu"},
    Title{u"接数", "frmJieshu"},
    Title{u"数的分解", "frmFengjie"},
    Title{u"数的分解2", "FrmFengjie2"},
    Title{u"数的分解3", "FrmFengjie3"},
    Title{u"排序", "Frmpaixu"},
    Title{u"排序2", "FrmPaixu2"},
    Title{u"排序(运动)", "Frmpaixu_yd"},
    Title{u"图形加法", "Frmpicjia"},
    Title{u"数字加法", "frmNumjia"},
    Title{u"图形填空", "FrmPictk"},
    Title{u"数字填空", "FrmNumtk"},
    Title{u"图形填空2", "FrmPictk2"},
    Title{u"数字填空2", "FrmNumtk2"},
    Title{u"一百板", "Frm100"},
    Title{u"序数(多数字)", "FrmXunxuDuo"},
    Title{u"单图学习", "Frmdangtugzh"},
    Title{u"点图游戏", "Frmdiangtu"},
    Title{u"看图组词", "Frmkantzc"},
    Title{u"多图学习", "Frmtuxgzh"},
    Title{u"图字配对", "FrmpeiduiTu_zhi"},
    Title{u"字图配对", "FrmpeiduiZhi_tu"},
    Title{u"记忆力游戏", "FrmMemory"},
    Title{u"顺序推理", "FrmShunxutl"},
    Title{u"图片排列", "FrmTupiangPl"},
    Title{u"看图说话", "Frmkantshh"},
    Title{u"句子排序", "FrmZhuju"},
    Title{u"写字1", "FrmShurufa"},
    Title{u"写字2", "FrmShurufa2"},
    Title{u"写字3", "FrmShurufa3"},
    Title{u"射击游戏", "FrmdiangTuDuo"},
    Title{u"文字学习", "FrmtuxgzhWZ"},
    Title{u"记忆力训练", "FrmMemory2"},
    Title{u"手眼协调", "FrmShouYanxt"},
    Title{u"看图认字", "FrmTu_zhi"},
    Title{u"看字认图", "FrmZhi_tu"},
    Title{u"分辨颜色", "FrmFengbysh"},
    Title{u"求同活动(相同)", "FrmQtXiangtong"},
    Title{u"求同活动(同类)", "FrmQtTonglei"},
    Title{u"分类", "Frmfenglei"},
    Title{u"找缺", "FrmPingtu"},
    Title{u"拼图", "FrmPingtuMenu"},
    Title{u"填色游戏", "FrmdrawColor"},
    Title{u"画图板", "MDIFrmHuatu"},
};

// The catalogue also accepts the chooser's titles from "比较(选大)" to "序数(多数字)".
constexpr std::size_t catalogueStepsFirst = 1;
constexpr std::size_t catalogueStepsEnd = 22;

template <class Range> QString find(const Range& titles, const QString& title)
{
    for (const Title& t : titles)
        if (QStringView(t.title) == title) return QString::fromLatin1(t.window);
    return {};
}

template <class Range> std::vector<TitleEntry> entries(const Range& titles)
{
    std::vector<TitleEntry> result;
    for (const Title& t : titles)
        result.push_back({QString::fromUtf16(t.title), QString::fromLatin1(t.window)});
    return result;
}

std::span<const Title> catalogueSteps()
{
    return std::span(chooserTitles.begin() + catalogueStepsFirst,
                     chooserTitles.begin() + catalogueStepsEnd);
}

} // namespace

std::vector<TitleEntry> titlesOf(TitleTable table)
{
    switch (table) {
    case TitleTable::Catalogue:
        return entries(catalogueTitles);
    case TitleTable::CatalogueSteps:
        return entries(catalogueSteps());
    case TitleTable::Chooser:
        return entries(chooserTitles);
    }
    return {};
}

QString windowForTitle(TitleTable table, const QString& title)
{
    switch (table) {
    case TitleTable::Catalogue:
        return find(catalogueTitles, title);
    case TitleTable::CatalogueSteps:
        return find(catalogueSteps(), title);
    case TitleTable::Chooser:
        return find(chooserTitles, title);
    }
    return {};
}

bool launchTitle(AppContext& app, std::initializer_list<TitleTable> tables, const QString& title)
{
    app.services.log(QStringLiteral("launch ") + title);
    app.LaunchedTitle = title;
    for (TitleTable table : tables) {
        const QString window = windowForTitle(table, title);
        if (window.isEmpty()) continue;
        if (app.windows && app.windows->open(window)) return true;
        break; // a title names one window; it is not registered yet
    }
    app.services.log(QStringLiteral("launch ") + title + QStringLiteral(": no window"));
    return false;
}

bool isLessonArea(const QString& area)
{
    return area == QStringLiteral("语言") || area == QStringLiteral("手眼协调") ||
           area == QStringLiteral("记忆力训练");
}

bool isActivityArea(const QString& area)
{
    return area == QStringLiteral("数学") || area == QStringLiteral("认知") ||
           area == QStringLiteral("填色");
}

QString titleOfWindow(const AppContext& app, const QString& window)
{
    constexpr TitleTable tables[] = {TitleTable::Catalogue, TitleTable::Chooser};
    for (TitleTable table : tables)
        if (windowForTitle(table, app.LaunchedTitle) == window) return app.LaunchedTitle;
    for (TitleTable table : tables)
        for (const TitleEntry& entry : titlesOf(table))
            if (entry.window == window) return entry.title;
    if (app.windows)
        if (const WindowDescriptor* d = app.windows->descriptor(window);
            d && !d->openedFrom.isEmpty())
            return titleOfWindow(app, d->openedFrom);
    return window;
}
