// The installer's own texts: window caption, menu, dialog labels, messages and
// their captions, exactly as the user sees them.
#pragma once

#include <string>

namespace korvo::setup {

// A message with its one "%s" replaced by `value`.
inline std::string FillIn(const char* format, const std::string& value) {
    const std::string text = format;
    const auto at = text.find("%s");
    if (at == std::string::npos) return text;
    return text.substr(0, at) + value + text.substr(at + 2);
}

inline constexpr const char* kMakerName = "Korvo Software Works";
inline constexpr const char* kSeriesCaption = "Personal Investor Series";
inline constexpr const char* kFamilyName = "Orvane";
inline constexpr const char* kProductLine = " Korvo  Chart  8.05  ";

inline constexpr const char* kWindowCaption = "Korvo インストールプログラム";
inline constexpr const char* kWindowClassName = "KorvoSetup";

// Menu menu1.
inline constexpr int kCommandCancel = 301;
inline constexpr int kCommandInstall = 121;
inline constexpr const char* kMenuCancel =
    "　　　　　★　『中止』するときはここをクリックしてください　　　　　　　";
inline constexpr const char* kMenuInstall =
    "　　　　　★　　ここから『インストール』を開始します　　";

// The drive dialog.
inline constexpr int kDriveComboId = 130;
inline constexpr const char* kDriveDialogCaption = "インストールドライブの確認";
inline constexpr const char* kDriveLabel = "インストール先（確認）";
inline constexpr const char* kFreeSpaceLabel = "ハードデイスの空き容量確認。変更はできません。";
// %s: the text in the drive box.
inline constexpr const char* kDriveMissing = "指定したコピー先ドライブ  %s が存在しません。 \n";
inline constexpr const char* kDriveMissingCaption = " エラーメッセージ";
inline constexpr const char* kWrongDiskType = "ハードデイスクタイプが違います!";
inline constexpr const char* kWrongDiskTypeCaption = "警告";
inline constexpr const char* kDiskFull = "ハードデイスの空き容量が不足しています！";
inline constexpr const char* kErrorCaption = "エラーメッセージ";

// Folder creation and the file list.
inline constexpr const char* kDoubledFolder =
    "誤って２重に「 Korvo 」(\\Korvo\\Korvo\\..プログラム..)フォルダーが作成されています！\n\n"
    "一つの「 Korvo 」(\\Korvo\\..プログラム..)ホルダーにしてください。";
inline constexpr const char* kFolderNotCreated = "「 Korvo 」フォルダー作成できません！";
inline constexpr const char* kFileListMissing =
    "インストールファイルが見つかりません！(ERR FLEDLD80)";
inline constexpr const char* kFileListMissingCaption = "エラ-メッセージ";
// %s: files80.dld, or the archive that could not be expanded.
inline constexpr const char* kFileDamaged =
    "ファイル (%s) が存在しないか異常のためファイルのインストールはできません！";
inline constexpr const char* kInstallErrorCaption = "インストールエラー";

// The installation command.
inline constexpr const char* kAskForDrive =
    "「Korvo　チャート V8.05」のインストールファイルがあるドライブを指定してください。";
inline constexpr const char* kInstallAborted =
    "インストール中止またはインストールファイルがありません。\n"
    "確認の後インストールを始めから行ってください！";
inline constexpr const char* kCompletionCaption = "インストール終了";
inline constexpr const char* kCompletion =
    "Korvo チャート V8.05 のインストールが終了しました。\n\n"
    "メニューの「Orvane 8.0」から「Korvo ﾁｬｰﾄ」を選んで起動してください。\n\n"
    "お問い合わせ：Korvo Software Works サポート窓口\n"
    "support@korvo.example";

// The program group.
inline constexpr const char* kGroupNotCreated =
    " プログラムアイコンメニューが生成されませんでした。";
inline constexpr const char* kGroupNotCreatedCaption = "メッセージ";

// The uninstaller.
inline constexpr const char* kUninstallCaption = "アンインストール";
inline constexpr const char* kUninstallQuestion =
    "Korvo チャート V8.05 を削除します。\n\n"
    "インストールしたファイルとメニュー「Orvane 8.0」を削除してよろしいですか？\n"
    "（ご自分で作成したデータファイルは削除されません）";
inline constexpr const char* kUninstallDone = "Korvo チャート V8.05 を削除しました。";
// %s: the installation folder.
inline constexpr const char* kUninstallFolderKept =
    "Korvo チャート V8.05 を削除しました。\n\n"
    "フォルダー %s には、ご自分のファイルが残っています。";

// The splash.
inline constexpr const char* kSplashHeading = "＜Korvo チャートのインストール＞";
inline constexpr const char* kSplashText =
    "Korvo チャートをインストールして実行するには、ハードディスクの空き容量は、50 MB "
    "以上必要です。\n  このインストールプログラムは、ハードディスク上のフォルダー \\korvo  "
    "のアーカイブファイル  を実行可能な状態に変換します。  "
    "モニターのカラーは、２５６色（３２ビット）以上に設定してください。スクリーンサイズは、  "
    "８００Ｘ６００ が最適です。\n\n 上のメニューから「インストール」をクリックして開始します ! \n";

}  // namespace korvo::setup
