#include "jpeg_picture.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace {

// libjpeg's default error handler ends the process; this one jumps back to the
// step that was running, which then reports failure.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf step;
};

[[noreturn]] void jumpToStep(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->step, 1);
}

void keepQuiet(j_common_ptr) {}

// Runs one libjpeg step. Only trivially destructible objects live between the
// setjmp here and a longjmp out of libjpeg, so the jump skips no destructor.
template <class Step>
bool guarded(ErrorManager& err, const Step& step) {
    if (setjmp(err.step) != 0) return false;
    step();
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes) {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jumpToStep;
    err.pub.output_message = keepQuiet;
    jpeg_create_decompress(&cinfo);

    const bool started = guarded(err, [&] {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                     static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_RGB;
        jpeg_start_decompress(&cinfo);
    });
    QImage image;
    if (started)
        image =
            QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
    const bool decoded = started && !image.isNull() && guarded(err, [&] {
                             while (cinfo.output_scanline < cinfo.output_height) {
                                 JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
                                 jpeg_read_scanlines(&cinfo, &row, 1);
                             }
                             jpeg_finish_decompress(&cinfo);
                         });
    jpeg_destroy_decompress(&cinfo);
    // A truncated or damaged stream only warns and fills the rest with grey.
    if (!decoded || err.pub.num_warnings != 0) return {};
    return image;
}
