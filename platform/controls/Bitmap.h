#pragma once
// TBitmap: an image as a form description holds it (a button's glyph). The
// class library does not draw; it keeps the image data, knows its size when
// the data is a bitmap file, and hands it to native peers.

#include <cstdint>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/Object.h"

class TBitmap : public TPersistent {
    PF_CLASS(TBitmap)
  public:
    TBitmap() = default;

    bool Empty() const { return data_.empty(); }
    // The size in pixels, 0 when the data is not a bitmap file this class reads.
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The image bytes as stored: a bitmap file ("BM" ...), possibly behind the
    // 4-byte little-endian length that form descriptions put before it.
    const std::vector<std::uint8_t>& Data() const { return data_; }
    void SetData(std::vector<std::uint8_t> data);
    void Clear() { SetData({}); }

    // Copies another bitmap; assigning from null (no bitmap) clears.
    void Assign(const TPersistent& source) override;
    void AssignFrom(const TBitmap* source);
    // Form descriptions store the image as the binary property "Data".
    void DefineProperties(TFiler& filer) override;

    TNotifyEvent OnChange;

  private:
    void ReadSize();

    std::vector<std::uint8_t> data_;
    int width_ = 0;
    int height_ = 0;
};
