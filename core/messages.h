#pragma once
// Texts that both commands show.

namespace pelmora::messages {

inline constexpr char errorTitle[] = "错误";
inline constexpr char noticeTitle[] = "提示";
inline constexpr char invalidLocation[] = "战网客户端主程序无效，请重新选择文件位置";
inline constexpr char invalidSelection[] = "选择值无效，请重新选择";

}  // namespace pelmora::messages
