#include "document/History.h"

#include <atomic>

namespace loopora {

uint64_t CHistory::nextStamp()
{
    static std::atomic<uint64_t> last{0};
    return ++last;
}

bool CHistory::Execute(std::unique_ptr<CCommand> command)
{
    if (!command)
        return false;
    stamp_ = nextStamp();
    if (!command->Do())
        return false; // whatever a failed Do changed stays; the redo tail is kept
    commands_.erase(commands_.begin() + position_, commands_.end());
    if (clean_ > position_)
        clean_ = -1;
    commands_.push_back(std::move(command));
    ++position_;
    return true;
}

bool CHistory::Undo()
{
    if (position_ == 0)
        return true;
    stamp_ = nextStamp();
    if (!commands_[size_t(position_) - 1]->Undo())
        return false;
    --position_;
    return true;
}

bool CHistory::Redo()
{
    if (size_t(position_) == commands_.size())
        return true;
    stamp_ = nextStamp();
    if (!commands_[size_t(position_)]->Do())
        return false;
    ++position_;
    return true;
}

} // namespace loopora
