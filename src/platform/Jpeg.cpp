#include "platform/Jpeg.h"

#include "platform/AtomicFile.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <system_error>
// jpeglib.h needs FILE and size_t declared before it, and jerror.h its configuration.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace quelvarin {

namespace fs = std::filesystem;

namespace {

// Scans a progressive picture may have: a few dozen in practice. A hostile file can declare
// thousands of tiny scans, each a pass over the whole picture.
constexpr int kMaxScans = 200;
// Memory libjpeg may take for its own buffers (the coefficients of a progressive picture).
constexpr long kMaxLibraryMemory = 256L << 20;

enum class Failure { None, NotJpeg, Truncated, Corrupt, TooLarge, Cmyk };

// libjpeg reports errors through this manager. Its error_exit must not return, and the default
// one ends the process: ours jumps back into Run with the reason noted.
struct ErrorManager {
    jpeg_error_mgr base{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump{};
    Failure failure = Failure::None;
};

ErrorManager& ManagerOf(j_common_ptr info) {
    // base is the first member: libjpeg hands back the pointer it was given.
    return *reinterpret_cast<ErrorManager*>(info->err);
}

Failure FailureOfCode(int code) {
    switch (code) {
    case JERR_NO_SOI:
        return Failure::NotJpeg;
    case JERR_INPUT_EMPTY:
    case JERR_INPUT_EOF:
        return Failure::Truncated;
    default:
        return Failure::Corrupt;
    }
}

[[noreturn]] void Stop(ErrorManager& manager, Failure failure) {
    manager.failure = failure;
    std::longjmp(manager.jump, 1);
}

[[noreturn]] void ErrorExit(j_common_ptr info) {
    auto& manager = ManagerOf(info);
    Stop(manager, FailureOfCode(manager.base.msg_code));
}

// Warnings (level -1) that mean the pixels are not the picture's: libjpeg would go on and fill
// the rest with grey. The others (extraneous bytes between markers, an unknown JFIF revision)
// leave the picture whole.
void EmitMessage(j_common_ptr info, int level) {
    if (level >= 0) {
        return; // trace messages
    }
    auto& manager = ManagerOf(info);
    ++manager.base.num_warnings;
    switch (manager.base.msg_code) {
    case JWRN_JPEG_EOF:
        Stop(manager, Failure::Truncated);
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
        Stop(manager, Failure::Corrupt);
    default:
        break;
    }
}

void OutputMessage(j_common_ptr) {} // nothing is printed

void Progress(j_common_ptr info) {
    if (info->is_decompressor) {
        auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
        if (decompress->input_scan_number > kMaxScans) {
            Stop(ManagerOf(info), Failure::Corrupt);
        }
    }
}

struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors{};

    Decoder() = default;
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
    // Safe at any stage, also before the library took the object up (its memory is then none).
    ~Decoder() { jpeg_destroy_decompress(&info); }
};

// The decoding proper. An error inside libjpeg jumps back to the setjmp below, so this
// function holds no object with a destructor: what it fills lives in the caller.
Failure Run(Decoder& decoder, std::span<const std::uint8_t> bytes, const PictureLimits& limits,
            Picture& out) {
    auto& info = decoder.info;
    if (setjmp(decoder.errors.jump) != 0) {
        return decoder.errors.failure;
    }
    jpeg_CreateDecompress(&info, JPEG_LIB_VERSION, sizeof(jpeg_decompress_struct));
    info.mem->max_memory_to_use = kMaxLibraryMemory;
    info.progress = &decoder.errors.progress;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (PictureSizeRefused(info.image_width, info.image_height, limits)) {
        return Failure::TooLarge;
    }
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        return Failure::Cmyk;
    }
    info.out_color_space = JCS_RGB; // greyscale is spread to RGB as well
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        return Failure::Corrupt;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    auto stride = static_cast<std::size_t>(out.width) * 3;
    out.rgb.resize(stride * static_cast<std::size_t>(out.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + stride * info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            return Failure::Truncated;
        }
    }
    jpeg_finish_decompress(&info);
    return Failure::None;
}

std::string Reason(Failure failure, const Decoder& decoder, const PictureLimits& limits) {
    switch (failure) {
    case Failure::None:
        break;
    case Failure::NotJpeg:
        return "nem JPEG kép";
    case Failure::Truncated:
        return "a JPEG kép csonka, a vége hiányzik";
    case Failure::TooLarge:
        return PictureSizeRefused(decoder.info.image_width, decoder.info.image_height, limits).value_or("");
    case Failure::Cmyk:
        return "CMYK színterű JPEG kép, csak RGB vagy szürkeárnyalatos kép jeleníthető meg";
    case Failure::Corrupt:
        return "a JPEG kép sérült";
    }
    return "";
}

} // namespace

PictureOrError DecodeJpeg(std::span<const std::uint8_t> bytes, const PictureLimits& limits) {
    if (bytes.empty()) {
        return std::string("üres fájl");
    }
    Decoder decoder;
    auto& errors = decoder.errors;
    decoder.info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.emit_message = EmitMessage;
    errors.base.output_message = OutputMessage;
    errors.progress.progress_monitor = Progress;
    Picture picture;
    auto failure = Run(decoder, bytes, limits, picture);
    if (failure != Failure::None) {
        return Reason(failure, decoder, limits);
    }
    return picture;
}

PictureOrError ReadJpegFile(const fs::path& path, const PictureLimits& limits) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return std::string("nincs ilyen fájl");
    }
    auto size = fs::file_size(path, error);
    if (!error && size > limits.maxFileBytes) {
        return "a fájl túl nagy (" + std::to_string(size >> 20) + " MB)";
    }
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return std::string("a fájl nem olvasható");
    }
    return DecodeJpeg(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()), limits);
}

} // namespace quelvarin
