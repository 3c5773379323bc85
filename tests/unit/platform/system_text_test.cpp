#include "platform/system_text.h"

#include <gtest/gtest.h>

namespace tabulo::platform {
namespace {

TEST(SystemMessageTest, KnowsTheComAndAutomationCodes) {
  EXPECT_EQ(SystemMessage(E_FAIL), "Unspecified error");
  EXPECT_EQ(SystemMessage(E_NOTIMPL), "Not implemented");
  EXPECT_EQ(SystemMessage(E_POINTER), "Invalid pointer");
  EXPECT_EQ(SystemMessage(E_INVALIDARG), "The parameter is incorrect.");
  EXPECT_EQ(SystemMessage(E_OUTOFMEMORY),
            "Not enough memory resources are available to complete this operation.");
  EXPECT_EQ(SystemMessage(E_UNEXPECTED), "Catastrophic failure");
  EXPECT_EQ(SystemMessage(E_ACCESSDENIED), "Access is denied.");
  EXPECT_EQ(SystemMessage(DISP_E_TYPEMISMATCH), "Type mismatch.");
  EXPECT_EQ(SystemMessage(DISP_E_OVERFLOW), "Out of present range.");
  EXPECT_EQ(SystemMessage(DISP_E_BADVARTYPE), "Bad variable type.");
  EXPECT_EQ(SystemMessage(DISP_E_EXCEPTION), "Exception occurred.");
  EXPECT_EQ(SystemMessage(DISP_E_UNKNOWNNAME), "Unknown name.");
  EXPECT_EQ(SystemMessage(CLASS_E_CLASSNOTAVAILABLE), "ClassFactory cannot supply requested class");
  EXPECT_EQ(SystemMessage(REGDB_E_CLASSNOTREG), "Class not registered");
}

TEST(SystemMessageTest, KnowsWin32CodesBareAndAsResults) {
  const std::pair<std::int32_t, const char*> expected[] = {
      {2, "The system cannot find the file specified."},
      {3, "The system cannot find the path specified."},
      {5, "Access is denied."},
      {32, "The process cannot access the file because it is being used by another process."},
      {80, "The file exists."},
      {112, "There is not enough space on the disk."},
      {183, "Cannot create a file when that file already exists."},
      {206, "The filename or extension is too long."},
  };
  for (const auto& [code, text] : expected) {
    EXPECT_EQ(SystemMessage(HResultFromWin32(code)), text) << code;
    EXPECT_EQ(SystemMessage(code), text) << code;
  }
  EXPECT_EQ(SystemMessage(S_OK), "The operation completed successfully.");
}

TEST(SystemMessageTest, HasNoTextForOtherCodes) {
  EXPECT_EQ(SystemMessage(MakeHResult(0x80041234)), std::nullopt);
  EXPECT_EQ(SystemMessage(HResultFromWin32(9999)), std::nullopt);
  EXPECT_EQ(SystemMessage(9999), std::nullopt);
  // Only facility 7 holds Win32 codes.
  EXPECT_EQ(SystemMessage(MakeHResult(0x80080002)), std::nullopt);
}

TEST(ComErrorMessageTest, PrefersTheSystemText) {
  EXPECT_EQ(ComErrorMessage(E_FAIL), "Unspecified error");
  EXPECT_EQ(ComErrorMessage(HResultFromWin32(2)), "The system cannot find the file specified.");
}

TEST(ComErrorMessageTest, NumbersInterfaceErrorsFromTheirBase) {
  EXPECT_EQ(ComErrorMessage(MakeHResult(0x80040200)), "IDispatch error #0");
  EXPECT_EQ(ComErrorMessage(MakeHResult(0x80041234)), "IDispatch error #4148");
  EXPECT_EQ(ComErrorMessage(MakeHResult(0x8004FFFF)), "IDispatch error #65023");
}

TEST(ComErrorMessageTest, OtherCodesAreUnknownInUpperCaseHex) {
  EXPECT_EQ(ComErrorMessage(VB_OBJECT_ERROR), "Unknown error 0x80040000");
  EXPECT_EQ(ComErrorMessage(MakeHResult(0x800401FF)), "Unknown error 0x800401FF");
  EXPECT_EQ(ComErrorMessage(MakeHResult(0x8005ABCD)), "Unknown error 0x8005ABCD");
  EXPECT_EQ(ComErrorMessage(0x1234), "Unknown error 0x1234");
}

TEST(Win32ErrorTextTest, GivesTheSystemTextOrTheCode) {
  EXPECT_EQ(Win32ErrorText(80), "The file exists.");
  EXPECT_EQ(Win32ErrorText(0), "The operation completed successfully.");
  EXPECT_EQ(Win32ErrorText(9999), "WIN32 error 0x0000270f");
  EXPECT_EQ(Win32ErrorText(-5), "WIN32 error 0xfffffffb");
}

}  // namespace
}  // namespace tabulo::platform
