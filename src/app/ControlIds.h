#pragma once
// Control IDs of the main window, stable so that tests and automation can address every control.
// The window class is "TForm1".

namespace velmora::id {

inline constexpr int kLabel1 = 101;
inline constexpr int kLabel2 = 102;
inline constexpr int kLabel3 = 103;
inline constexpr int kLabel4 = 104;
inline constexpr int kEdit1 = 111;  // target path
inline constexpr int kEdit2 = 112;  // shortcut name
inline constexpr int kEdit3 = 113;  // parameters
inline constexpr int kEdit4 = 114;  // icon file
inline constexpr int kButton1 = 121;
inline constexpr int kButton2 = 122;
inline constexpr int kRadioGroup1 = 130;
inline constexpr int kRadioItem0 = 131;  // item i, a destination row, is kRadioItem0 + i
inline constexpr int kCheckBox1 = 140;
inline constexpr int kComboBox1 = 141;
inline constexpr int kGroupBox1 = 150;
inline constexpr int kPanel1 = 151;
inline constexpr int kImage1 = 152;
inline constexpr int kImageListBox1 = 153;
inline constexpr int kGroupBox2 = 160;
inline constexpr int kDriveComboBox1 = 161;
inline constexpr int kDirectoryListBox1 = 162;
inline constexpr int kBitBtn1 = 170;  // create
inline constexpr int kBitBtn2 = 171;  // close

}  // namespace velmora::id
