#include "JpegCodec.h"

// clang-format off: jpeglib.h needs the standard types declared before it.
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <memory>

// libjpeg reports errors through a callback that must not return. It jumps back with longjmp to
// the function that started the work; that is defined behaviour only while no C++ object with a
// destructor lies in the frames skipped, so the helpers called between setjmp and the end of the
// work hold none, and every object that must survive the jump lives on the heap.

namespace {

struct TErrorManager
{
    jpeg_error_mgr Pub;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    auto *manager = reinterpret_cast<TErrorManager *>(info->err);
    manager->Pub.format_message(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Level -1 is a warning about corrupt data (for example a premature end of the file): the
// picture would come out partly grey, so it counts as an error. Trace messages are dropped.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

void InstallErrorManager(TErrorManager &manager)
{
    jpeg_std_error(&manager.Pub);
    manager.Pub.error_exit = ErrorExit;
    manager.Pub.emit_message = EmitMessage;
    manager.Pub.output_message = OutputMessage;
    manager.Message[0] = '\0';
}

struct TDecodeJob
{
    jpeg_decompress_struct Info;
    TErrorManager Error;
    TJpegDecodeResult Result;
};

struct TEncodeJob
{
    jpeg_compress_struct Info;
    TErrorManager Error;
    QImage Rgb;
    unsigned char *Buffer = nullptr;
    unsigned long Size = 0;
};

// Adobe writes CMYK inverted; the product of ink and black gives the colour channel.
void CmykRowToRgb(const JSAMPLE *cmyk, uchar *rgb, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = cmyk[3];
        rgb[0] = static_cast<uchar>(cmyk[0] * k / 255);
        rgb[1] = static_cast<uchar>(cmyk[1] * k / 255);
        rgb[2] = static_cast<uchar>(cmyk[2] * k / 255);
    }
}

// Reads the scan lines into job.Result.Image, which has the output size already.
void ReadScanLines(TDecodeJob &job)
{
    jpeg_decompress_struct &info = job.Info;
    const bool cmyk = info.out_color_space == JCS_CMYK;
    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                          JPOOL_IMAGE,
                                                          info.output_width * 4,
                                                          1)
                              : nullptr;
    while (info.output_scanline < info.output_height) {
        uchar *line = job.Result.Image.scanLine(static_cast<int>(info.output_scanline));
        JSAMPROW row = cmyk ? cmykRow[0] : line;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            CmykRowToRgb(cmykRow[0], line, info.output_width);
    }
}

// Decodes after the header; leaves an error text in the result when the picture is refused.
void DecodePicture(TDecodeJob &job, qint64 maxPixels)
{
    jpeg_decompress_struct &info = job.Info;
    jpeg_read_header(&info, TRUE);
    const qint64 pixels = qint64(info.image_width) * info.image_height;
    if (pixels > maxPixels) {
        job.Result.Error = QString::fromUtf8("Das Bild ist mit %1 × %2 Pixeln zu groß.")
                               .arg(info.image_width)
                               .arg(info.image_height);
        return;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    job.Result.Image = QImage(static_cast<int>(info.output_width),
                              static_cast<int>(info.output_height),
                              QImage::Format_RGB888);
    if (job.Result.Image.isNull()) {
        job.Result.Error = QString::fromUtf8("Für das Bild reicht der Speicher nicht.");
        return;
    }
    ReadScanLines(job);
    jpeg_finish_decompress(&info);
}

void EncodePicture(TEncodeJob &job)
{
    jpeg_compress_struct &info = job.Info;
    jpeg_mem_dest(&info, &job.Buffer, &job.Size);
    info.image_width = static_cast<JDIMENSION>(job.Rgb.width());
    info.image_height = static_cast<JDIMENSION>(job.Rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // The library reads the row only; its interface lacks the const.
        JSAMPROW row = const_cast<JSAMPROW>(
            job.Rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
}

} // namespace

bool TJpegCodec::IsJpegData(const QByteArray &data)
{
    return data.size() >= 3 && uchar(data[0]) == 0xFF && uchar(data[1]) == 0xD8
           && uchar(data[2]) == 0xFF;
}

TJpegDecodeResult TJpegCodec::Decode(const QByteArray &data, qint64 maxPixels)
{
    const auto job = std::make_unique<TDecodeJob>();
    InstallErrorManager(job->Error);
    job->Info.err = &job->Error.Pub;
    if (setjmp(job->Error.Jump)) {
        jpeg_destroy_decompress(&job->Info);
        return {QImage(), QString::fromLocal8Bit(job->Error.Message)};
    }
    jpeg_create_decompress(&job->Info);
    jpeg_mem_src(&job->Info,
                 reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    DecodePicture(*job, maxPixels);
    jpeg_destroy_decompress(&job->Info);
    if (!job->Result.Ok())
        job->Result.Image = QImage();
    return std::move(job->Result);
}

TJpegEncodeResult TJpegCodec::Encode(const QImage &image)
{
    const auto job = std::make_unique<TEncodeJob>();
    job->Rgb = image.convertToFormat(QImage::Format_RGB888);
    InstallErrorManager(job->Error);
    job->Info.err = &job->Error.Pub;
    if (setjmp(job->Error.Jump)) {
        jpeg_destroy_compress(&job->Info);
        std::free(job->Buffer);
        return {QByteArray(), QString::fromLocal8Bit(job->Error.Message)};
    }
    jpeg_create_compress(&job->Info);
    EncodePicture(*job);
    TJpegEncodeResult result;
    result.Data = QByteArray(reinterpret_cast<const char *>(job->Buffer),
                             static_cast<qsizetype>(job->Size));
    jpeg_destroy_compress(&job->Info);
    std::free(job->Buffer);
    return result;
}
