// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/help/ResourceBrowser.h"

#include "text/Codepage1252.h"
#include "ui/help/HelpPageUrl.h"

#include <QDesktopServices>
#include <QScrollBar>
#include <QTextDocument>
#include <QUrl>

#include <optional>

namespace quillby {

namespace {

// Line ends become LF, as an HTML reader takes them; whitespace after the last tag is dropped,
// since the text document would otherwise show it as a stray space on the last line.
QString PageText(ResourceBytes bytes)
{
    QString text =
        FromCp1252(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    text.truncate(end);
    return text;
}

QString NotFoundPage(const QString &address)
{
    return QStringLiteral("<html><head><title>Page not found</title></head><body>"
                          "<h2>Page not found</h2><p>There is no page at %1.</p></body></html>")
        .arg(address.toHtmlEscaped());
}

QString WithoutFragment(const QString &address, const QString &programPath)
{
    // Inside the program file the fragment starts after the path; elsewhere at the first "#".
    const auto parsed = ParseResourceAddress(address, programPath);
    if (parsed && !parsed->fragment.isEmpty())
        return address.left(address.size() - parsed->fragment.size() - 1);
    if (!parsed) {
        const qsizetype hash = address.indexOf(u'#');
        if (hash >= 0)
            return address.left(hash);
    }
    return address;
}

} // namespace

bool IsOutsideAddress(const QString &address)
{
    if (!HasScheme(address))
        return false;
    const QString scheme = address.left(address.indexOf(u':')).toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"ftp" || scheme == u"mailto";
}

ResourceBrowser::ResourceBrowser(const ResourceStore &store, QString programPath, QWidget *parent)
    : QTextBrowser(parent)
    , store_(store)
    , programPath_(std::move(programPath))
    , opener_([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    // Preformatted text (the notices on the home page, the licence) wraps at the viewer's
    // edge, as the rest of a page does, so that no page needs a sideways scroll bar.
    document()->setDefaultStyleSheet(QStringLiteral("pre { white-space: pre-wrap; }"));
    // Links are followed here, against this viewer's own addresses and history.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ResourceBrowser::FollowLink);
}

void ResourceBrowser::Navigate(const QString &address)
{
    if (IsOutsideAddress(address)) {
        if (opener_)
            opener_(QUrl(address, QUrl::TolerantMode));
        return;
    }
    if (!history_.empty())
        history_.back().scroll = verticalScrollBar()->value();
    history_.push_back(Entry{address, 0});
    Show(history_.back());
}

bool ResourceBrowser::GoBack()
{
    if (history_.size() < 2)
        return false;
    history_.pop_back();
    Show(history_.back());
    return true;
}

void ResourceBrowser::backward()
{
    GoBack();
}

QString ResourceBrowser::LocationURL() const
{
    return history_.empty() ? QString() : history_.back().address;
}

QString ResourceBrowser::LocationName() const
{
    return document()->metaInformation(QTextDocument::DocumentTitle);
}

QString ResourceBrowser::CurrentPageAddress() const
{
    return WithoutFragment(LocationURL(), programPath_);
}

void ResourceBrowser::FollowLink(const QUrl &link)
{
    Navigate(ResolveLink(CurrentPageAddress(), link.toString()));
}

std::optional<ResourceBytes> ResourceBrowser::FindPage(const QString &address) const
{
    const auto parsed = ParseResourceAddress(address, programPath_);
    if (!parsed ||
        parsed->type.compare(QString::fromUtf16(kHelpPageType), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return store_.Find(kHtml, parsed->name.toStdString());
}

QString ResourceBrowser::PageHtml(const QString &address) const
{
    if (const auto bytes = FindPage(address))
        return PageText(*bytes);
    return NotFoundPage(WithoutFragment(address, programPath_));
}

void ResourceBrowser::Show(const Entry &entry)
{
    setHtml(PageHtml(entry.address));
    const auto parsed = ParseResourceAddress(entry.address, programPath_);
    if (parsed && !parsed->fragment.isEmpty() && entry.scroll == 0)
        scrollToAnchor(parsed->fragment);
    else
        verticalScrollBar()->setValue(entry.scroll);
}

QVariant ResourceBrowser::loadResource(int type, const QUrl &name)
{
    const QString address = ResolveLink(CurrentPageAddress(), name.toString());
    if (const auto bytes = FindPage(address)) {
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return PageText(*bytes);
        return QByteArray(reinterpret_cast<const char *>(bytes->data()), qsizetype(bytes->size()));
    }
    // Addresses inside the program file are never read from anywhere else.
    if (ParseResourceAddress(address, programPath_))
        return {};
    if (offline_)
        return {};
    return QTextBrowser::loadResource(type, name);
}

} // namespace quillby
