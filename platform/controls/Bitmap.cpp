#include "platform/controls/Bitmap.h"

#include <cstdint>

#include "platform/core/Filer.h"

const TClassType& TBitmap::StaticClass() {
    static const TClassType type = TClassType::Define<TBitmap, TPersistent>("TBitmap");
    return type;
}

namespace {

std::uint32_t ReadLE32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint32_t>(d[at]) | (static_cast<std::uint32_t>(d[at + 1]) << 8) |
           (static_cast<std::uint32_t>(d[at + 2]) << 16) |
           (static_cast<std::uint32_t>(d[at + 3]) << 24);
}

std::uint16_t ReadLE16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8));
}

// |v| of a stored dimension; a malformed INT32_MIN reads as unknown.
int Dimension(std::uint32_t raw) {
    auto v = static_cast<std::int32_t>(raw);
    if (v == INT32_MIN)
        return 0;
    return v < 0 ? -v : v;
}

bool IsFileHeader(const std::vector<std::uint8_t>& d, std::size_t at) {
    return d.size() >= at + 2 && d[at] == 'B' && d[at + 1] == 'M';
}

}  // namespace

void TBitmap::SetData(std::vector<std::uint8_t> data) {
    if (data == data_)
        return;
    data_ = std::move(data);
    ReadSize();
    OnChange(this);
}

void TBitmap::ReadSize() {
    width_ = 0;
    height_ = 0;
    std::size_t file = 0;
    if (!IsFileHeader(data_, 0)) {
        if (!IsFileHeader(data_, 4))
            return;
        file = 4;
    }
    // The file header (14 bytes) is followed by the info header, whose size
    // tells its kind: 12 for the old core header with 16-bit dimensions.
    std::size_t info = file + 14;
    if (data_.size() < info + 4)
        return;
    std::uint32_t headerSize = ReadLE32(data_, info);
    if (headerSize == 12 && data_.size() >= info + 12) {
        width_ = ReadLE16(data_, info + 4);
        height_ = ReadLE16(data_, info + 6);
    } else if (headerSize >= 40 && data_.size() >= info + 12) {
        width_ = Dimension(ReadLE32(data_, info + 4));
        // A negative height marks a top-down image.
        height_ = Dimension(ReadLE32(data_, info + 8));
    }
}

void TBitmap::AssignFrom(const TBitmap* source) {
    if (source == this)
        return;
    SetData(source != nullptr ? source->data_ : std::vector<std::uint8_t>{});
}

void TBitmap::Assign(const TPersistent& source) {
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        AssignFrom(bitmap);
        return;
    }
    TPersistent::Assign(source);
}

void TBitmap::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](const std::vector<std::uint8_t>& bytes) { SetData(bytes); },
        [this] { return data_; }, !Empty());
}
