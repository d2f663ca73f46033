#pragma once
// Opening a web or mail link with the desktop's own program. The program opens it for real; a test
// installs RecordingLinks.
#include <QString>
#include <QStringList>

class LinkService {
public:
    virtual ~LinkService() = default;
    virtual void openLink(const QString &target) = 0;
};

// The service in force; installs and returns the previous one (nullptr restores the desktop's).
LinkService *setLinkService(LinkService *service);
LinkService &links();

class RecordingLinks final : public LinkService {
public:
    RecordingLinks();  // installs itself
    ~RecordingLinks() override;
    void openLink(const QString &target) override { opened << target; }
    QStringList opened;

private:
    LinkService *previous = nullptr;
};
