#include "ui/actions/WebDictionary.h"

#include <QDesktopServices>

namespace quillby {

void OpenUrlInBrowser(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

} // namespace quillby
