#include "qr_code.h"

#include <qrencode.h>

#include <memory>

namespace phones {

std::optional<QrCode> EncodeQr(const std::string& text) {
    if (text.empty()) return std::nullopt;
    // Medium error correction: survives a glare on the screen, stays small for a short address.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code || code->width <= 0) return std::nullopt;
    QrCode result;
    result.size = code->width;
    result.dark.resize(static_cast<std::size_t>(code->width) * code->width);
    for (std::size_t i = 0; i < result.dark.size(); ++i) result.dark[i] = code->data[i] & 1;
    return result;
}

}  // namespace phones
