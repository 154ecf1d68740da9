#include "platform/WebAddress.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace velmar {
namespace {

WebAddressOpener& Installed() {
    static WebAddressOpener opener;
    return opener;
}

}  // namespace

bool OpenWebAddress(const QString& url) {
    if (Installed()) return Installed()(url);
    return QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

WebAddressOpener InstallWebAddressOpener(WebAddressOpener opener) {
    return std::exchange(Installed(), std::move(opener));
}

}  // namespace velmar
