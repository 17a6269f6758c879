#pragma once
// Console texts of the writer.

namespace vorlanthe::write_messages {

inline constexpr char kOpenFailed[] = "File Openできなかった";
inline constexpr char kFileHeaderWrite[] = "File Header 出力でエラー";
inline constexpr char kMainHeaderWrite[] = "Main Header 出力でエラー";
inline constexpr char kTrackEncode[] = "トラックエンコードでエラー";
inline constexpr char kTrackHeaderWrite[] = "Track Header 出力でエラー";
inline constexpr char kTrackDataWrite[] = "Track Data 出力でエラー";
inline constexpr char kVarLenWrite[] = "デルタタイム出力でエラー";

}  // namespace vorlanthe::write_messages
