#pragma once
// Whether anything on this machine can show an address in a browser. On the freedesktop
// platforms QDesktopServices::openUrl reports success as soon as xdg-open starts, even when
// xdg-open then finds nothing to show the page with; so ask first what xdg-open would use.

#include <QString>
#include <QStringList>
#include <QUrl>

// The machine as the check sees it; tests replace it.
class BrowserProbe {
public:
    virtual ~BrowserProbe() = default;
    // The full path of a program on PATH; empty when there is none.
    virtual QString findProgram(const QString& name) const;
    // The standard output of a short command, trimmed; empty when it fails.
    virtual QString output(const QString& program, const QStringList& arguments) const;
    virtual QString environment(const char* name) const;
};

// True when xdg-open is there and has a handler for the document's type or the address's
// scheme, or one of the browsers it falls back to.
bool CanOpenInBrowser(const QUrl& url, const BrowserProbe& probe);
