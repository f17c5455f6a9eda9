#include "pictures/JpegDecoder.h"

#include <QCoreApplication>

#include "pictures/PictureLimits.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

enum class JpegFailure { None, Corrupt, Truncated, TooManyScans, ColourSpace, TooLarge, NoMemory };

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    JpegFailure failure;
    char message[JMSG_LENGTH_MAX];
};

// Everything the decoding touches lives here, outside the frame that calls
// setjmp, so a longjmp skips no destructor and leaves no value indeterminate.
struct Session {
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    jpeg_progress_mgr progress;
    QImage image;
    std::vector<JSAMPLE> cmykRow;
    QString sizeReason;
};

[[noreturn]] void Fail(j_common_ptr cinfo, JpegFailure failure)
{
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    error->failure = failure;
    std::longjmp(error->jump, 1);
}

[[noreturn]] void ErrorExit(j_common_ptr cinfo)
{
    auto* error = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    Fail(cinfo, JpegFailure::Corrupt);
}

void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    // The data ran out: libjpeg would go on and fill the rest with grey.
    if (cinfo->err->msg_code == JWRN_JPEG_EOF)
        Fail(cinfo, JpegFailure::Truncated);
    cinfo->err->num_warnings++;
}

void OutputMessage(j_common_ptr)
{
}

void ProgressMonitor(j_common_ptr cinfo)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > JpegDecoder::kMaxScans)
        Fail(cinfo, JpegFailure::TooManyScans);
}

// Adobe writes CMYK inverted (0 is full ink), as almost every CMYK JPEG is.
void CmykToRgb(const JSAMPLE* cmyk, uchar* rgb, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const unsigned k = cmyk[3];
        rgb[0] = static_cast<uchar>(cmyk[0] * k / 255);
        rgb[1] = static_cast<uchar>(cmyk[1] * k / 255);
        rgb[2] = static_cast<uchar>(cmyk[2] * k / 255);
    }
}

bool Run(Session& s, const QByteArray& bytes)
{
    if (setjmp(s.error.jump) != 0)
        return false;

    jpeg_create_decompress(&s.cinfo);
    s.cinfo.mem->max_memory_to_use = JpegDecoder::kMaxWorkBytes;
    s.cinfo.progress = &s.progress;
    jpeg_mem_src(&s.cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&s.cinfo, TRUE);

    if (!PictureLimits::Accepts(s.cinfo.image_width, s.cinfo.image_height, &s.sizeReason)) {
        s.error.failure = JpegFailure::TooLarge;
        return false;
    }
    const bool cmyk = s.cinfo.jpeg_color_space == JCS_CMYK || s.cinfo.jpeg_color_space == JCS_YCCK;
    switch (s.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
        s.cinfo.out_color_space = JCS_RGB;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        s.cinfo.out_color_space = JCS_CMYK;
        break;
    default:
        s.error.failure = JpegFailure::ColourSpace;
        return false;
    }

    jpeg_start_decompress(&s.cinfo);
    const JDIMENSION width = s.cinfo.output_width;
    const JDIMENSION height = s.cinfo.output_height;
    if (width != s.cinfo.image_width || height != s.cinfo.image_height
        || s.cinfo.output_components != (cmyk ? 4 : 3)) {
        s.error.failure = JpegFailure::ColourSpace;
        return false;
    }
    s.image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
    if (s.image.isNull()) {
        s.error.failure = JpegFailure::NoMemory;
        return false;
    }
    if (cmyk)
        s.cmykRow.resize(static_cast<size_t>(width) * 4);

    while (s.cinfo.output_scanline < height) {
        uchar* line = s.image.scanLine(static_cast<int>(s.cinfo.output_scanline));
        JSAMPROW row = cmyk ? s.cmykRow.data() : line;
        if (jpeg_read_scanlines(&s.cinfo, &row, 1) != 1) {
            s.error.failure = JpegFailure::Truncated;
            return false;
        }
        if (cmyk)
            CmykToRgb(s.cmykRow.data(), line, width);
    }
    jpeg_finish_decompress(&s.cinfo);
    return true;
}

QString ReasonFor(const Session& s)
{
    switch (s.error.failure) {
    case JpegFailure::Truncated:
        return QCoreApplication::translate("JpegDecoder", "JPEG データが途中で終わっています");
    case JpegFailure::TooManyScans:
        return QCoreApplication::translate("JpegDecoder", "JPEG データが壊れています: スキャンが多すぎます");
    case JpegFailure::ColourSpace:
        return QCoreApplication::translate("JpegDecoder", "対応していない JPEG の色形式です");
    case JpegFailure::TooLarge:
        return s.sizeReason;
    case JpegFailure::NoMemory:
        return QCoreApplication::translate("JpegDecoder", "画像を読み込むメモリが足りません");
    case JpegFailure::Corrupt:
    case JpegFailure::None:
        break;
    }
    return QCoreApplication::translate("JpegDecoder", "JPEG データが壊れています: %1").arg(QString::fromLatin1(s.error.message));
}

}

QImage JpegDecoder::Decode(const QByteArray& bytes, QString* reason)
{
    Session s{};
    s.cinfo.err = jpeg_std_error(&s.error.base);
    s.error.base.error_exit = ErrorExit;
    s.error.base.emit_message = EmitMessage;
    s.error.base.output_message = OutputMessage;
    s.error.failure = JpegFailure::None;
    s.error.message[0] = '\0';
    s.progress.progress_monitor = ProgressMonitor;

    const bool ok = Run(s, bytes);
    jpeg_destroy_decompress(&s.cinfo);
    if (ok)
        return s.image;
    if (reason != nullptr)
        *reason = ReasonFor(s);
    return QImage();
}
