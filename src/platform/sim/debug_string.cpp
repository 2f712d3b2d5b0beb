#include "platform/sim/debug_string.hpp"

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "platform/automation/string.hpp"
#include "platform/sim/call_arguments.hpp"

namespace vellum::sim {
namespace {

using platform::UINT;
using Name = std::pair<UINT, const char*>;

// Names every set bit that has one; bits left over are shown in hexadecimal.
std::string BitsName(UINT bits, std::initializer_list<Name> names) {
  std::string text;
  for (const Name& name : names) {
    if ((bits & name.first) != name.first || name.first == 0) continue;
    if (!text.empty()) text += '|';
    text += name.second;
    bits &= ~name.first;
  }
  if (bits != 0 || text.empty()) {
    if (!text.empty()) text += '|';
    text += detail::Hex(bits);
  }
  return text;
}

// dwTypeData is text only for string entries; otherwise it carries a value, never followed.
template <class Info>
bool HoldsText(const Info& info) {
  constexpr UINT kNotText =
      platform::MFT_BITMAP | platform::MFT_OWNERDRAW | platform::MFT_SEPARATOR;
  return info.dwTypeData != nullptr && (info.fType & kNotText) == 0 &&
         (info.fMask & (platform::MIIM_TYPE | platform::MIIM_STRING)) != 0;
}

template <class Info>
std::string TypeDataString(const Info& info) {
  return info.dwTypeData ? detail::Hex(reinterpret_cast<std::uintptr_t>(info.dwTypeData)) : "null";
}

template <class Info>
std::string InfoString(const Info& info, const std::string& text) {
  std::string out = "{cbSize=" + std::to_string(info.cbSize) + " mask=" + ItemMaskName(info.fMask);
  out += " type=" + ItemTypeName(info.fType) + " state=" + ItemStateName(info.fState);
  out += " id=" + std::to_string(info.wID) + " sub=" + detail::Hex(info.hSubMenu);
  out +=
      " checked=" + detail::Hex(info.hbmpChecked) + " unchecked=" + detail::Hex(info.hbmpUnchecked);
  out += " data=" + detail::Hex(info.dwItemData) + " text=" + text;
  out += " cch=" + std::to_string(info.cch) + "}";
  return out;
}

}  // namespace

std::string ItemTypeName(UINT type) {
  if (type == 0) return "MFT_STRING";
  return BitsName(type, {{platform::MFT_BITMAP, "MFT_BITMAP"},
                         {platform::MFT_MENUBARBREAK, "MFT_MENUBARBREAK"},
                         {platform::MFT_MENUBREAK, "MFT_MENUBREAK"},
                         {platform::MFT_OWNERDRAW, "MFT_OWNERDRAW"},
                         {platform::MFT_RADIOCHECK, "MFT_RADIOCHECK"},
                         {platform::MFT_SEPARATOR, "MFT_SEPARATOR"},
                         {platform::MFT_RIGHTORDER, "MFT_RIGHTORDER"},
                         {platform::MFT_RIGHTJUSTIFY, "MFT_RIGHTJUSTIFY"}});
}

std::string ItemStateName(UINT state) {
  if (state == 0) return "MFS_ENABLED";
  return BitsName(state, {{platform::MF_GRAYED, "MF_GRAYED"},
                          {platform::MF_DISABLED, "MF_DISABLED"},
                          {platform::MFS_CHECKED, "MFS_CHECKED"},
                          {platform::MFS_HILITE, "MFS_HILITE"},
                          {platform::MFS_DEFAULT, "MFS_DEFAULT"}});
}

std::string ItemMaskName(UINT mask) {
  if (mask == 0) return "0";
  return BitsName(mask, {{platform::MIIM_STATE, "MIIM_STATE"},
                         {platform::MIIM_ID, "MIIM_ID"},
                         {platform::MIIM_SUBMENU, "MIIM_SUBMENU"},
                         {platform::MIIM_CHECKMARKS, "MIIM_CHECKMARKS"},
                         {platform::MIIM_TYPE, "MIIM_TYPE"},
                         {platform::MIIM_DATA, "MIIM_DATA"},
                         {platform::MIIM_STRING, "MIIM_STRING"},
                         {platform::MIIM_BITMAP, "MIIM_BITMAP"},
                         {platform::MIIM_FTYPE, "MIIM_FTYPE"}});
}

std::string MenuFlagsName(UINT flags) {
  if (flags == 0) return "MF_STRING";
  return BitsName(flags, {{platform::MF_GRAYED, "MF_GRAYED"},
                          {platform::MF_DISABLED, "MF_DISABLED"},
                          {platform::MF_BITMAP, "MF_BITMAP"},
                          {platform::MF_CHECKED, "MF_CHECKED"},
                          {platform::MF_POPUP, "MF_POPUP"},
                          {platform::MF_MENUBARBREAK, "MF_MENUBARBREAK"},
                          {platform::MF_MENUBREAK, "MF_MENUBREAK"},
                          {platform::MF_HILITE, "MF_HILITE"},
                          {platform::MF_OWNERDRAW, "MF_OWNERDRAW"},
                          {platform::MF_USECHECKBITMAPS, "MF_USECHECKBITMAPS"},
                          {platform::MF_BYPOSITION, "MF_BYPOSITION"},
                          {platform::MF_SEPARATOR, "MF_SEPARATOR"},
                          {platform::MF_DEFAULT, "MF_DEFAULT"},
                          {platform::MF_SYSMENU, "MF_SYSMENU"},
                          {platform::MF_RIGHTJUSTIFY, "MF_RIGHTJUSTIFY"},
                          {platform::MF_MOUSESELECT, "MF_MOUSESELECT"}});
}

std::string DrawStateName(UINT itemState) {
  if (itemState == 0) return "0";
  return BitsName(itemState, {{platform::ODS_SELECTED, "ODS_SELECTED"},
                              {platform::ODS_GRAYED, "ODS_GRAYED"},
                              {platform::ODS_DISABLED, "ODS_DISABLED"},
                              {platform::ODS_CHECKED, "ODS_CHECKED"},
                              {platform::ODS_FOCUS, "ODS_FOCUS"},
                              {platform::ODS_DEFAULT, "ODS_DEFAULT"},
                              {platform::ODS_HOTLIGHT, "ODS_HOTLIGHT"},
                              {platform::ODS_INACTIVE, "ODS_INACTIVE"},
                              {platform::ODS_NOACCEL, "ODS_NOACCEL"}});
}

std::string MessageName(UINT message) {
  static constexpr Name kNames[] = {
      {platform::WM_NULL, "WM_NULL"},
      {platform::WM_CREATE, "WM_CREATE"},
      {platform::WM_DESTROY, "WM_DESTROY"},
      {platform::WM_ACTIVATE, "WM_ACTIVATE"},
      {platform::WM_CLOSE, "WM_CLOSE"},
      {platform::WM_DRAWITEM, "WM_DRAWITEM"},
      {platform::WM_MEASUREITEM, "WM_MEASUREITEM"},
      {platform::WM_NCDESTROY, "WM_NCDESTROY"},
      {platform::WM_NCHITTEST, "WM_NCHITTEST"},
      {platform::WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
      {platform::WM_KEYDOWN, "WM_KEYDOWN"},
      {platform::WM_KEYUP, "WM_KEYUP"},
      {platform::WM_CHAR, "WM_CHAR"},
      {platform::WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
      {platform::WM_SYSKEYUP, "WM_SYSKEYUP"},
      {platform::WM_SYSCHAR, "WM_SYSCHAR"},
      {platform::WM_COMMAND, "WM_COMMAND"},
      {platform::WM_SYSCOMMAND, "WM_SYSCOMMAND"},
      {platform::WM_TIMER, "WM_TIMER"},
      {platform::WM_INITMENU, "WM_INITMENU"},
      {platform::WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
      {platform::WM_MENUSELECT, "WM_MENUSELECT"},
      {platform::WM_MENUCHAR, "WM_MENUCHAR"},
      {platform::WM_MENURBUTTONUP, "WM_MENURBUTTONUP"},
      {platform::WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"},
      {platform::WM_MOUSEMOVE, "WM_MOUSEMOVE"},
      {platform::WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
      {platform::WM_EXITMENULOOP, "WM_EXITMENULOOP"},
      {platform::WM_MDIACTIVATE, "WM_MDIACTIVATE"},
  };
  for (const Name& name : kNames) {
    if (name.first == message) return name.second;
  }
  return detail::Hex(message);
}

std::string DebugString(const platform::MENUITEMINFOW& info) {
  const std::string text = HoldsText(info) ? detail::Quoted(StringToUtf8(String(info.dwTypeData)))
                                           : TypeDataString(info);
  return InfoString(info, text);
}

std::string DebugString(const platform::MENUITEMINFOA& info) {
  const std::string text = HoldsText(info) ? detail::Quoted(info.dwTypeData) : TypeDataString(info);
  return InfoString(info, text);
}

std::string DebugString(const platform::DRAWITEMSTRUCT& request) {
  const platform::RECT& r = request.rcItem;
  return "{id=" + std::to_string(request.itemID) + " action=" + std::to_string(request.itemAction) +
         " state=" + DrawStateName(request.itemState) + " menu=" + detail::Hex(request.hwndItem) +
         " dc=" + detail::Hex(request.hDC) + " rect=(" + std::to_string(r.left) + "," +
         std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom) +
         ")}";
}

}  // namespace vellum::sim
