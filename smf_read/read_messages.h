#pragma once
// Console texts of the reader.

namespace vorlanthe::read_messages {

inline constexpr char kOpenFailed[] = "File Openできなかった";
inline constexpr char kFileHeaderRead[] = "File Header 読み込みでエラー";
inline constexpr char kNotMthd[] = "File Header チャンク'MThd'を認識できない、これ midiファイルじゃないよ";
inline constexpr char kHeaderSizeBefore[] = "Main Headerのサイズ(";
inline constexpr char kHeaderSizeAfter[] = "BYTE)が異常だよ？";
inline constexpr char kMainHeaderRead[] = "Main Header 読み込みでエラー";
inline constexpr char kAfterHeaderCut[] = "Main Header の後が途切れてる";
inline constexpr char kTrackHeaderRead[] = "Track Header 読み込みでエラー";
inline constexpr char kNotMtrk[] = "Track Header チャンク'MTrk'を認識できない、トラックが壊れてる";

inline constexpr char kVarLenRead[] = "デルタタイム読み込みでエラー、midiファイル壊れてませんか？";
inline constexpr char kStatusRead[] = "Status 読み込みでエラー";
inline constexpr char kEventRead[] = "読み込みエラー、midiファイル壊れてませんか？";
inline constexpr char kNoStatusBefore[] = "警告:MIDIフォーマット異常 Status(";
inline constexpr char kNoStatusAfter[] = ")処理強行";

}  // namespace vorlanthe::read_messages
