#include "document/History.h"

namespace loopora {

bool CHistory::Execute(std::unique_ptr<CCommand> command)
{
    if (!command || capacity_ == 0)
        return false;
    if (!command->Do())
        return false; // whatever a failed Do changed stays; the redo tail is kept
    commands_.erase(commands_.begin() + position_, commands_.end());
    if (capacity_ != -1 && commands_.size() >= size_t(capacity_)) {
        commands_.erase(commands_.begin());
        --position_;
    }
    commands_.push_back(std::move(command));
    ++position_;
    ++changes_;
    return true;
}

bool CHistory::Undo()
{
    if (position_ == 0)
        return true;
    if (!commands_[size_t(position_) - 1]->Undo())
        return false;
    --position_;
    ++changes_;
    return true;
}

bool CHistory::Redo()
{
    if (size_t(position_) == commands_.size())
        return true;
    if (!commands_[size_t(position_)]->Do())
        return false;
    ++position_;
    ++changes_;
    return true;
}

} // namespace loopora
