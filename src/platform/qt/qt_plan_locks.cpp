// QLockFile with a stale time of 0, so only the owner's death on this host frees a lock by itself.
#include "platform/qt/qt_plan_locks.h"

#include <QFile>
#include <QFileInfo>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

std::unique_ptr<QLockFile> lockFileOf(const std::string& planPath) {
    auto file = std::make_unique<QLockFile>(toQPath(lockPathOf(planPath)));
    file->setStaleLockTime(0);
    return file;
}

}  // namespace

QtPlanLocks::~QtPlanLocks() = default;

LockOutcome QtPlanLocks::lock(const std::string& planPath) {
    if (held_ && heldPlan_ == planPath) return LockOutcome::Locked;
    auto file = lockFileOf(planPath);
    if (!file->tryLock(0)) {
        return file->error() == QLockFile::LockFailedError ? LockOutcome::Held : LockOutcome::Unavailable;
    }
    held_ = std::move(file);
    heldPlan_ = planPath;
    return LockOutcome::Locked;
}

LockOutcome QtPlanLocks::takeOver(const std::string& planPath) {
    auto file = lockFileOf(planPath);
    // A live owner on this host keeps an advisory lock that makes Qt refuse; its file goes all the same.
    if (!file->removeStaleLockFile()) QFile::remove(toQPath(lockPathOf(planPath)));
    if (held_ && heldPlan_ == planPath) held_.reset();
    return lock(planPath);
}

std::optional<LockOwner> QtPlanLocks::owner(const std::string& planPath) {
    const auto file = lockFileOf(planPath);
    qint64 process = 0;
    QString host;
    QString application;
    if (!file->getLockInfo(&process, &host, &application)) return std::nullopt;
    const QFileInfo info(toQPath(lockPathOf(planPath)));
    return LockOwner{fromQString(host), process, info.lastModified().toSecsSinceEpoch()};
}

void QtPlanLocks::unlock() {
    held_.reset();
    heldPlan_.clear();
}

}  // namespace sb::platform::qt
