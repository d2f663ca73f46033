#include "Links.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
class DesktopLinks final : public LinkService {
public:
    // The result is not looked at: a link the desktop cannot open simply does nothing.
    void openLink(const QString &target) override { QDesktopServices::openUrl(QUrl(target)); }
};

DesktopLinks desktopLinks;
LinkService *current = nullptr;
}

LinkService *setLinkService(LinkService *service)
{
    LinkService *previous = current;
    current = service;
    return previous;
}

LinkService &links() { return current ? *current : desktopLinks; }

RecordingLinks::RecordingLinks() : previous(setLinkService(this)) {}

RecordingLinks::~RecordingLinks() { setLinkService(previous); }
