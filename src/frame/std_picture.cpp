#include "frame/std_picture.h"

#include "automation/numeric_arg.h"
#include "automation/object_count.h"
#include "automation/ref.h"
#include "frame/twips.h"
#include "platform/core/error.h"
#include "platform/core/unicode.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

#include <array>
#include <fstream>
#include <iterator>

namespace paginor::frame {

using automation::Currency;
using automation::DispatchName;
using automation::NamedDispatch;
using automation::numeric_arg;
using automation::object_created;
using automation::object_destroyed;

using platform::COLORREF;
using platform::RGB;

namespace {

// A private identifier: the library asks a picture for it to learn that it is one of
// its own. Never handed to hosts.
const IID IID_StdPictureSelf = {
    0x7a3c51e2, 0x4d0b, 0x4f61, {0x9b, 0x2e, 0x51, 0x60, 0x0c, 0x8e, 0x31, 0xa4}};

constexpr std::array kMembers{DispatchName{u"Handle", 0}, DispatchName{u"hPal", 2},
                              DispatchName{u"Type", 3},   DispatchName{u"Width", 4},
                              DispatchName{u"Height", 5}, DispatchName{u"Render", 6}};

// Pixels to HIMETRIC through the screen density: 1440 twips = 1 inch = 2540 HIMETRIC.
LONG himetric(int pixels, Axis axis) {
    return static_cast<LONG>((static_cast<int64_t>(pixels) * twips_per_pixel(axis) * 2540 + 720) /
                             1440);
}

uint8_t mix(uint32_t over, uint32_t under, uint32_t alpha, int shift) {
    const uint32_t a = (over >> shift) & 0xFF, b = (under >> shift) & 0xFF;
    return static_cast<uint8_t>((a * alpha + b * (255 - alpha) + 127) / 255);
}

} // namespace

StdPicture::StdPicture(std::vector<uint8_t> bytes, platform::Image image)
    : NamedDispatch(kMembers, IID_StdPictureSelf), m_bytes(std::move(bytes)),
      m_image(std::move(image)) {
    m_bitmap = platform::create_bitmap_from_image(m_image);
    m_type = m_image.format == platform::ImageFormat::Ico ? PICTYPE_ICON : PICTYPE_BITMAP;
    object_created();
}

StdPicture::~StdPicture() {
    if (m_bitmap)
        platform::DeleteObject(m_bitmap);
    object_destroyed();
}

StdPicture* StdPicture::from_bytes(std::vector<uint8_t> bytes) {
    platform::Image image = platform::decode_image(bytes);
    return new StdPicture(std::move(bytes), std::move(image));
}

StdPicture* StdPicture::from(IDispatch* picture) {
    if (!picture)
        return nullptr;
    Ref<IDispatch> self; // ours, so the picture stays alive once this reference goes
    if (FAILED(picture->QueryInterface(IID_StdPictureSelf, self.put_void())) || !self)
        return nullptr;
    return static_cast<StdPicture*>(self.get());
}

void StdPicture::draw(HDC hdc, int x, int y, int cx, int cy) const {
    if (cx < 1 || cy < 1 || m_image.width < 1 || m_image.height < 1)
        return;
    for (int row = 0; row < cy; ++row) {
        const int sy = row * m_image.height / cy;
        for (int col = 0; col < cx; ++col) {
            const int sx = col * m_image.width / cx;
            const uint32_t p = m_image.pixels[size_t(sy) * m_image.width + sx];
            const uint32_t alpha = p >> 24;
            if (alpha == 0)
                continue;
            COLORREF out = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            if (alpha < 255) {
                const COLORREF under = platform::GetPixel(hdc, x + col, y + row);
                if (under == platform::CLR_INVALID)
                    continue;
                // COLORREF is 0x00BBGGRR, the image pixel 0xAARRGGBB.
                const uint32_t u =
                    ((under & 0xFF) << 16) | (under & 0xFF00) | ((under >> 16) & 0xFF);
                out = RGB(mix(p, u, alpha, 16), mix(p, u, alpha, 8), mix(p, u, alpha, 0));
            }
            platform::SetPixel(hdc, x + col, y + row, out);
        }
    }
}

HRESULT StdPicture::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO*, UINT* arg_err) {
    if (id == 6 && (flags & DISPATCH_METHOD))
        return render(params, arg_err);
    if (!(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    LONG value = 0;
    VARTYPE vt = VT_I4;
    switch (id) {
    case 0:
        value = static_cast<LONG>(m_bitmap);
        break;
    case 2:
        value = 0;
        break;
    case 3:
        value = m_type, vt = VT_I2;
        break;
    case 4:
        value = himetric(m_image.width, Axis::Across);
        break;
    case 5:
        value = himetric(m_image.height, Axis::Down);
        break;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
    if (result) {
        VariantInit(result);
        result->vt = vt;
        if (vt == VT_I2)
            result->iVal = static_cast<SHORT>(value);
        else
            result->lVal = value;
    }
    return S_OK;
}

HRESULT StdPicture::render(DISPPARAMS* params, UINT* arg_err) const {
    if (!params || params->cArgs < 5 || params->cArgs > 10)
        return DISP_E_BADPARAMCOUNT;
    // Arguments arrive last first: hdc is the highest index.
    LONG v[5] = {};
    for (UINT i = 0; i < 5; ++i) {
        const UINT at = params->cArgs - 1 - i;
        const std::optional<double> n = numeric_arg(params->rgvarg[at], Currency::Refused);
        if (!n) {
            if (arg_err)
                *arg_err = at;
            return DISP_E_TYPEMISMATCH;
        }
        v[i] = static_cast<LONG>(*n); // toward zero
    }
    draw(static_cast<HDC>(v[0]), v[1], v[2], v[3], v[4]);
    return S_OK;
}

StdPicture* LoadPicture(const std::u16string& path) {
    if (path.empty())
        return nullptr;
    std::ifstream in(to_utf8(path), std::ios::binary);
    if (!in)
        raise_standard(std_error::FileNotFound, u"PaginorV2CTL", u"File not found: " + path);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    return StdPicture::from_bytes(std::move(bytes));
}

} // namespace paginor::frame
