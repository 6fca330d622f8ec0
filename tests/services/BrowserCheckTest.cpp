// Whether the handbook or the web page can be shown: decided from what xdg-open would use,
// because xdg-open itself starts happily even when nothing can show the page.

#include "shell/core/BrowserCheck.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

class FakeMachine : public BrowserProbe {
public:
    QStringList programs;                // on PATH
    QMap<QString, QString> mimeDefaults; // type -> desktop entry
    QString browserVariable;

    QString findProgram(const QString& name) const override
    {
        return programs.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    QString output(const QString& program, const QStringList& arguments) const override
    {
        if (program != QStringLiteral("/usr/bin/xdg-mime") || arguments.size() != 3) return {};
        return mimeDefaults.value(arguments[2]);
    }
    QString environment(const char* name) const override
    {
        return qstrcmp(name, "BROWSER") == 0 ? browserVariable : QString();
    }
};

const QUrl Handbook = QUrl::fromLocalFile(QStringLiteral("/opt/mindlark/mindlark_handbook.htm"));
const QUrl WebPage(QStringLiteral("https://mindlark.example.org/"));

TEST(BrowserCheck, DecidesFromWhatXdgOpenWouldUse)
{
    const QStringList xdg{QStringLiteral("xdg-open"), QStringLiteral("xdg-mime")};
    const struct {
        const char* name;
        QStringList programs;
        QMap<QString, QString> defaults;
        QString browserVariable;
        bool handbook, webPage;
    } cases[] = {
        {"nothing at all", {}, {}, {}, false, false},
        {"xdg-open without any browser", xdg, {}, {}, false, false},
        {"a handler for pages only", xdg, {{"text/html", "firefox-esr.desktop"}}, {}, true, false},
        {"a handler for https only",
         xdg,
         {{"x-scheme-handler/https", "chromium.desktop"}},
         {},
         false,
         true},
        {"the Debian browser alternative", xdg + QStringList{"x-www-browser"}, {}, {}, true, true},
        {"$BROWSER", xdg, {}, "firefox", true, true},
        {"a browser but no xdg-open", {"firefox", "xdg-mime"}, {}, {}, false, false},
        {"a text browser only", xdg + QStringList{"lynx", "w3m"}, {}, {}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeMachine machine;
        machine.programs = c.programs;
        machine.mimeDefaults = c.defaults;
        machine.browserVariable = c.browserVariable;
        EXPECT_EQ(CanOpenInBrowser(Handbook, machine), c.handbook);
        EXPECT_EQ(CanOpenInBrowser(WebPage, machine), c.webPage);
    }
}

} // namespace
