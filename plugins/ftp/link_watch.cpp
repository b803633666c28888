#include "link_watch.h"

#include "corvclient/btsdk.h"
#include "cvcommon/shortcut_helpers.h"

namespace {

constexpr int kAskEveryMs = 1000;

}  // namespace

ShortcutLink shortcutLink(unsigned int shortcut) {
    BtsdkShortcutProperty property{};
    property.shortcut = shortcut;
    if (!CvCm_ReadShortcutProperty(&property)) return ShortcutLink::ServiceGone;
    return property.connection != 0 ? ShortcutLink::Up : ShortcutLink::Down;
}

LinkWatch::LinkWatch(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    clock_.setInterval(kAskEveryMs);
    connect(&clock_, &QTimer::timeout, this, &LinkWatch::ask);
}

LinkWatch::~LinkWatch() { pool_.waitForDone(); }

void LinkWatch::watch(unsigned int shortcut) {
    shortcut_ = shortcut;
    ++round_;
    clock_.start();
}

void LinkWatch::stop() {
    ++round_;
    clock_.stop();
}

// One question at a time: a service slow to answer is not asked again meanwhile.
void LinkWatch::ask() {
    if (asking_) return;
    asking_ = true;
    const quint64 round = round_;
    const unsigned int shortcut = shortcut_;
    pool_.start([this, round, shortcut] {
        const ShortcutLink link = shortcutLink(shortcut);
        QMetaObject::invokeMethod(this, [this, round, link] { answered(round, link); }, Qt::QueuedConnection);
    });
}

void LinkWatch::answered(quint64 round, ShortcutLink link) {
    asking_ = false;
    if (round != round_ || link == ShortcutLink::Up) return;
    stop();
    Q_EMIT lost(link);
}
