#include "annotate/annotation_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

#include "platform/codec.h"
#include "platform/files.h"

namespace korvo::annotate {

namespace {

// Files of the program that an annotation must never be appended to.
constexpr std::array<std::string_view, 32> kProgramFiles = {
    "korvo.ips",   "korvo.TMP",    "filename.chr", "finsert.chr",  "fmoji.TM",   "fmoji.&&&",
    "tmpofile",    "weekdat.TMP",  "monthdat.TMP", "korvo_wk.org", "KORVO.EDT",  "korvoEDT.org",
    "profit.stp",  "korvYr.dat",   "quoYEAR.dat",  "quoDAY.dat",   "UPDATE.usr", "UPDATE2.usr",
    "UPDATE3.usr", "data_dir.usr", "id_item.usr",  "fdata1.fmt",   "fdata2.fmt", "files80.dld",
    "bs.stp",      "bs.brk",       "bs.trd",       "bs.pf",        "bs.sar",     "bs.mac",
    "bs.sto",      "bs.sno"};
// Extensions of files the program reads as data or runs.
constexpr std::array<std::string_view, 4> kProgramExtensions = {".stk", ".exe", ".htm", ".ips"};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool EndsWithIgnoringCase(std::string_view name, std::string_view tail) {
    return name.size() > tail.size() &&
           SameIgnoringCase(name.substr(name.size() - tail.size()), tail);
}

bool HasFolderPart(std::string_view cp932) {
    return platform::FindSingleByte(cp932, '/') != std::string_view::npos ||
           platform::FindSingleByte(cp932, '\\') != std::string_view::npos;
}

bool HasControlCharacter(std::string_view cp932) {
    for (std::size_t i = 0; i < cp932.size(); i += platform::CharLengthAt(cp932, i)) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (c < 0x20 || c == 0x7F) return true;
    }
    return false;
}

bool IsProgramFile(std::string_view utf8) {
    for (std::string_view name : kProgramFiles)
        if (SameIgnoringCase(utf8, name)) return true;
    for (std::string_view extension : kProgramExtensions)
        if (EndsWithIgnoringCase(utf8, extension)) return true;
    return false;
}

std::string RefusalText(const std::string& shownName) {
    return "書込みファイル名 [" + shownName +
           "] は使えません。\n"
           "ﾃﾞｰﾀﾌｧｲﾙのﾍｯﾀﾞｰ(@d[...])には、フォルダー名を含まない書込み専用のファイル名を"
           "書いてください。";
}

// The SZDD signature of a compressed file.
bool IsCompressed(std::string_view bytes) {
    return bytes.size() >= 8 && bytes.substr(0, 8) == std::string_view("SZDD\x88\xF0\x27\x33", 8);
}

}  // namespace

AnnotationFileName CheckAnnotationFileName(const std::filesystem::path& startDirectory,
                                           std::string_view cp932Name) {
    AnnotationFileName name;
    name.shownName = platform::Cp932ToUtf8Lossy(cp932Name);
    const auto utf8 = platform::Cp932ToUtf8(cp932Name);
    const bool plain = utf8 && !cp932Name.empty() && cp932Name != "." && cp932Name != ".." &&
                       !HasFolderPart(cp932Name) && !HasControlCharacter(cp932Name) &&
                       !IsProgramFile(*utf8);
    if (!plain) {
        name.refusal = RefusalText(name.shownName);
        return name;
    }
    const std::filesystem::path path = startDirectory / std::filesystem::path(*utf8);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        name.refusal = RefusalText(name.shownName);
        return name;
    }
    name.path = path;
    return name;
}

void ShowRefusal(platform::Prompts& prompts, const AnnotationFileName& name) {
    prompts.ShowMessage(name.refusal, kRefusedNameCaption, platform::Buttons::Ok,
                        platform::Icon::Exclamation);
}

std::optional<std::string> ReadAnnotationFile(const std::filesystem::path& path,
                                              const std::filesystem::path& startDirectory) {
    auto bytes = platform::ReadWholeFile(path);
    if (!bytes || !IsCompressed(*bytes)) return bytes;
    const std::filesystem::path work = startDirectory / kWorkCopyName;
    std::optional<std::string> expanded;
    if (platform::CopyFileExpanding(path, work) == platform::kCopyOk)
        expanded = platform::ReadWholeFile(work);
    platform::RemoveFileQuietly(work);
    return expanded;
}

bool ReplaceAnnotationFile(const AnnotationFileName& name, std::string_view bytes,
                           platform::Prompts& prompts) {
    if (platform::WriteFileAtomically(name.path, bytes)) return true;
    prompts.ShowMessage(kWriteProtectedText, name.shownName, platform::Buttons::Ok,
                        platform::Icon::Exclamation);
    return false;
}

}  // namespace korvo::annotate
