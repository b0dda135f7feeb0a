#include "document/Document.h"

#include "platform/Archive.h"

namespace loopora {

CPattraDoc::CPattraDoc() : canvas_(std::make_unique<CCanvas>()) {}

void CPattraDoc::setChartSize(int32_t width, int32_t height)
{
    width_ = width;
    height_ = height;
    canvas_->setChartSize(width, height);
}

bool CPattraDoc::isModified() const { return modified_ || !canvas_->historyAtSavedState(); }

void CPattraDoc::markSaved()
{
    modified_ = false;
    canvas_->markHistorySaved();
}

void CPattraDoc::Serialize(CArchive& ar)
{
    if (ar.isStoring()) {
        ar.writeInt32(width_);
        ar.writeInt32(height_);
    } else {
        width_ = ar.readInt32();
        height_ = ar.readInt32();
    }
    canvas_->serialize(ar);
}

} // namespace loopora
