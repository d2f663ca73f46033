#pragma once
// The window opener of the tests: it installs itself while it lives and records every request.
// By default it opens nothing; `onOpen` makes it open a stand-in (or the real window).
#include "WindowOpener.h"

#include <QList>
#include <QPointer>
#include <functional>

class RecordingWindowOpener : public WindowOpener {
public:
    struct Request {
        WindowKind kind;
        QPointer<Form> from;
        WindowNeeds needs;
    };
    struct HelpRequest {
        HelpTopic topic;
        QPointer<Form> from;
    };

    RecordingWindowOpener();
    ~RecordingWindowOpener() override;

    using WindowOpener::open;
    Form *open(WindowKind kind, Form *from, const WindowNeeds &needs) override;
    void showHelp(HelpTopic topic, Form *from) override;

    // The windows that asked for `kind`, in order.
    QList<Form *> openedFrom(WindowKind kind) const;
    // The topics asked for, in order.
    QList<HelpTopic> helpTopics() const;
    void clear();

    QList<Request> opened;
    QList<HelpRequest> help;
    // Runs after the request is recorded (opened.last() holds its needs).
    std::function<Form *(WindowKind, Form *)> onOpen;

private:
    WindowOpener *previous_;
};
