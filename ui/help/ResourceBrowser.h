// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"

#include <QString>
#include <QTextBrowser>

#include <functional>
#include <optional>
#include <vector>

class QUrl;

namespace quillby {

// Hands an address outside the program (a web site, a mail link) to the desktop; true when
// something took it.
using LinkOpener = std::function<bool(const QUrl &)>;

// The help window's page viewer. It serves the program's own pages of type "HTML" from a
// resource store, addressed as "res://" + program path + "/HTML/" + name (see HelpPageUrl.h),
// with the page names matched ignoring case. Page bytes are single-byte Windows-1252 text.
//
// It keeps its own history of the addresses shown. Links on a page resolve against the page's
// address; links to web sites ("http", "https", "ftp") and mail links go to the link opener,
// which by default asks the desktop to open them; the page shown stays. An address that leads to
// no page of the program shows a short "Page not found" page, which enters the history like any
// other page. Going back with no earlier page does nothing.
class ResourceBrowser : public QTextBrowser {
    Q_OBJECT

public:
    ResourceBrowser(const ResourceStore &store, QString programPath, QWidget *parent = nullptr);

    // While offline the viewer reads nothing but the program's pages; otherwise images and
    // style sheets a page names may also come from local files.
    bool Offline() const { return offline_; }
    void setOffline(bool offline) { offline_ = offline; }

    // Shows the page at `address`, an absolute address, and adds it to the history; outside
    // addresses go to the link opener instead.
    void Navigate(const QString &address);
    // Steps back to the page shown before the current one; false, with nothing changed, when
    // there is no earlier page.
    bool GoBack();

    // The address of the page shown, fragment included; empty before the first navigation.
    QString LocationURL() const;
    // The title of the page shown.
    QString LocationName() const;
    // The number of pages in the history, the current one included.
    qsizetype HistoryLength() const { return qsizetype(history_.size()); }

    void setLinkOpener(LinkOpener opener) { opener_ = std::move(opener); }
    const QString &ProgramPath() const { return programPath_; }

    QVariant loadResource(int type, const QUrl &name) override;

public slots:
    // The keyboard's Back (Alt+Left, the Back key) uses the same history.
    void backward() override;

private:
    struct Entry {
        QString address;
        int scroll = 0;
    };

    void FollowLink(const QUrl &link);
    void Show(const Entry &entry);
    // The bytes of the program's page at `address`; none for any other address.
    std::optional<ResourceBytes> FindPage(const QString &address) const;
    // The page text of `address`, or the "Page not found" page.
    QString PageHtml(const QString &address) const;
    QString CurrentPageAddress() const;

    const ResourceStore &store_;
    QString programPath_;
    bool offline_ = false;
    LinkOpener opener_;
    std::vector<Entry> history_;
};

// Whether the link opener is the one to take `address`: web sites and mail.
bool IsOutsideAddress(const QString &address);

} // namespace quillby
