// The Windows file store and code page 932 conversion, against the real Windows API.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/durable_file.h"
#include "platform/win32/os/owner_only_security.h"
#include "platform/file_store.h"
#include "platform/text_encoding.h"
#include "platform/win32/os/wide_text.h"

namespace palvo {
namespace {

// A fresh folder under the user's temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"palvo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TemporaryFolder()
    {
        WIN32_FIND_DATAW entry{};
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = entry.cFileName;
                if (name != L"." && name != L"..") {
                    const std::wstring file = path_ + L"\\" + name;
                    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(file.c_str());
                }
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string File(const std::string& name) const { return win32::Narrow(path_) + "\\" + name; }
    int EntryCount() const
    {
        int count = 0;
        WIN32_FIND_DATAW entry{};
        HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) {
            return 0;
        }
        do {
            const std::wstring name = entry.cFileName;
            count += (name != L"." && name != L"..") ? 1 : 0;
        } while (FindNextFileW(search, &entry));
        FindClose(search);
        return count;
    }

private:
    std::wstring path_;
};

TEST(FileStoreWin32, ReplacesAFileUnderAJapaneseNameAndLeavesNoTemporaryFile)
{
    TemporaryFolder folder;
    const std::string path = folder.File("設定 パルボ.ini");
    ASSERT_TRUE(ReplaceFileBytes(path, "[PALVO]\r\nNumMax=72\r\n"));
    ASSERT_TRUE(ReplaceFileBytes(path, std::string("a\0b\r\n", 5)));

    EXPECT_EQ(ReadFileBytes(path), std::string("a\0b\r\n", 5));
    EXPECT_NE(GetFileAttributesW(win32::Widen(path).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(FileStoreWin32, RefusesAReadOnlyFileAndKeepsItsBytes)
{
    TemporaryFolder folder;
    const std::string path = folder.File("palvo.ini");
    ASSERT_TRUE(ReplaceFileBytes(path, "old"));
    ASSERT_TRUE(SetFileAttributesW(win32::Widen(path).c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_FALSE(ReplaceFileBytes(path, "new"));
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(folder.EntryCount(), 1);
}

// Left by a save that was killed: removed at the next save, unless its process still runs.
TEST(FileStoreWin32, RemovesTemporaryFilesOfEndedProcessesAtTheNextSave)
{
    TemporaryFolder folder;
    const std::string path = folder.File("palvo.ini");
    const std::string ended = path + ".tmp4000000000";
    // Another process that runs (this one's own name is what the save itself writes).
    DWORD other = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && other == 0;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != 0 && entry.th32ProcessID != GetCurrentProcessId()) {
            other = entry.th32ProcessID;
        }
    }
    CloseHandle(snapshot);
    ASSERT_NE(other, 0u);
    const std::string running = path + ".tmp" + std::to_string(other);
    ASSERT_TRUE(ReplaceFileBytes(ended, std::string(4096, 't')));
    ASSERT_TRUE(ReplaceFileBytes(running, "t"));
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo.ini.tmpx"), "t"));

    ASSERT_TRUE(ReplaceFileBytes(path, "saved"));
    EXPECT_FALSE(ReadFileBytes(ended).has_value());
    EXPECT_TRUE(ReadFileBytes(running).has_value());
    EXPECT_EQ(folder.EntryCount(), 3);
}

// A named pipe or a device is never read: the read would wait for a writer.
TEST(FileStoreWin32, ReadsNoPipeOrDevice)
{
    const std::wstring name = L"\\\\.\\pipe\\palvo-test-" + std::to_wstring(GetCurrentProcessId());
    HANDLE pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReadFileBytes(win32::Narrow(name)).has_value());
    EXPECT_FALSE(ReadFileBytes("CON").has_value());
    CloseHandle(pipe);
}

TEST(FileStoreWin32, KeepsTheHiddenAttributeOfTheReplacedFile)
{
    TemporaryFolder folder;
    const std::string path = folder.File("palvo.ini");
    ASSERT_TRUE(ReplaceFileBytes(path, "old"));
    ASSERT_TRUE(SetFileAttributesW(win32::Widen(path).c_str(), FILE_ATTRIBUTE_HIDDEN));

    ASSERT_TRUE(ReplaceFileBytes(path, "new"));
    EXPECT_EQ(ReadFileBytes(path), "new");
    EXPECT_NE(GetFileAttributesW(win32::Widen(path).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(FileStoreWin32, FailsForAMissingFolderOrAFolderInThePlaceOfTheFile)
{
    TemporaryFolder folder;
    EXPECT_FALSE(ReplaceFileBytes(folder.File("missing\\palvo.ini"), "x"));
    EXPECT_FALSE(ReadFileBytes(folder.File("missing.ini")).has_value());

    const std::string sub = folder.File("sub");
    ASSERT_TRUE(CreateDirectoryW(win32::Widen(sub).c_str(), nullptr));
    EXPECT_FALSE(ReplaceFileBytes(sub, "x"));
    RemoveDirectoryW(win32::Widen(sub).c_str());
}

// The journal's file services: a folder or a link in a file's place is never written, removed
// or cut, and a rename never replaces what has the new name.
TEST(DurableFileWin32, NeverReplacesRemovesOrWritesWhatIsNotItsOwnFile)
{
    TemporaryFolder folder;
    const std::filesystem::path journal = PathFromUtf8(folder.File("palvo-game.txt"));
    const std::filesystem::path aside = PathFromUtf8(folder.File("palvo-game-damaged-1.txt"));
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo-game.txt"), "journal\n1,2"));
    ASSERT_TRUE(ReplaceFileBytes(folder.File("palvo-game-damaged-1.txt"), "earlier"));

    EXPECT_EQ(RenameWithoutReplacing(journal, aside), RenameOutcome::NameTaken);
    EXPECT_EQ(ReadFileBytes(folder.File("palvo-game-damaged-1.txt")), "earlier");
    EXPECT_EQ(ReadFileBytes(folder.File("palvo-game.txt")), "journal\n1,2");

    EXPECT_FALSE(CutFile(journal, 100)) << "longer than the file";
    ASSERT_TRUE(CutFile(journal, 8));
    EXPECT_EQ(ReadFileBytes(folder.File("palvo-game.txt")), "journal\n");
    DurableAppendFile appended = DurableAppendFile::Open(journal);
    ASSERT_TRUE(appended.IsOpen());
    EXPECT_EQ(appended.SizeAtOpen(), 8u);
    ASSERT_TRUE(appended.Append("1,5\n"));
    appended.Close();
    EXPECT_EQ(ReadFileBytes(folder.File("palvo-game.txt")), "journal\n1,5\n");

    const std::filesystem::path moved = PathFromUtf8(folder.File("palvo-game-damaged-2.txt"));
    ASSERT_EQ(RenameWithoutReplacing(journal, moved), RenameOutcome::Renamed);
    EXPECT_EQ(ReadFileBytes(folder.File("palvo-game-damaged-2.txt")), "journal\n1,5\n");
    EXPECT_TRUE(RemoveFile(moved));
    EXPECT_TRUE(RemoveFile(moved)) << "a file already gone counts as removed";

    const std::filesystem::path sub = PathFromUtf8(folder.File("palvo-history.csv"));
    ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
    EXPECT_FALSE(DurableAppendFile::Open(sub).IsOpen());
    EXPECT_FALSE(CutFile(sub, 0));
    EXPECT_FALSE(RemoveFile(sub));
    EXPECT_FALSE(ReadFileTail(sub, 10).has_value());
    EXPECT_NE(GetFileAttributesW(sub.c_str()), INVALID_FILE_ATTRIBUTES) << "the folder stays";
    RemoveDirectoryW(sub.c_str());

    // A link, where the system lets this user make one (Wine makes none that reads as a link),
    // is refused as a file of ours.
    const std::filesystem::path target = PathFromUtf8(folder.File("target.txt"));
    ASSERT_TRUE(ReplaceFileBytes(folder.File("target.txt"), "theirs"));
    if (CreateSymbolicLinkW(sub.c_str(), target.c_str(), 0) &&
        GetFileAttributesW(sub.c_str()) != INVALID_FILE_ATTRIBUTES &&
        (GetFileAttributesW(sub.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        EXPECT_FALSE(DurableAppendFile::Open(sub).IsOpen());
        EXPECT_FALSE(ReadFileHead(sub, 100).has_value());
        EXPECT_FALSE(CutFile(sub, 0));
        EXPECT_EQ(ReadFileBytes(folder.File("target.txt")), "theirs");
        DeleteFileW(sub.c_str());
    } else {
        DeleteFileW(sub.c_str());
        std::printf("no symbolic link could be made here: links not tried\n");
    }
}

// The DACL of `path` as the system reports it: whether it is protected from the folder's, and the
// users its allowing entries name.
struct FileAccess {
    bool protectedFromFolder = false;
    std::vector<std::vector<BYTE>> allowed;
};

FileAccess AccessOf(PSECURITY_DESCRIPTOR descriptor)
{
    FileAccess access;
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    ACL* acl = nullptr;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    if (!GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted) || !present || acl == nullptr ||
        !GetSecurityDescriptorControl(descriptor, &control, &revision)) {
        return access;
    }
    access.protectedFromFolder = (control & SE_DACL_PROTECTED) != 0;
    for (DWORD index = 0; index < acl->AceCount; ++index) {
        void* ace = nullptr;
        if (GetAce(acl, index, &ace) && static_cast<ACE_HEADER*>(ace)->AceType == ACCESS_ALLOWED_ACE_TYPE) {
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
            auto* sid = reinterpret_cast<BYTE*>(&allowed->SidStart);
            access.allowed.emplace_back(sid, sid + GetLengthSid(sid));
        }
    }
    return access;
}

FileAccess AccessOf(const std::filesystem::path& path)
{
    DWORD size = 0;
    GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    std::vector<BYTE> descriptor(size);
    if (size == 0 || !GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size, &size)) {
        return {};
    }
    return AccessOf(descriptor.data());
}

std::vector<BYTE> ThisUser()
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    GetTokenInformation(token, TokenUser, user.data(), size, &size);
    CloseHandle(token);
    PSID sid = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;
    const auto* bytes = static_cast<const BYTE*>(sid);
    return std::vector<BYTE>(bytes, bytes + GetLengthSid(sid));
}

// A secret (the card key) is made for its user alone, whatever the folder lets others do; other
// files take the folder's permissions.
TEST(DurableFileWin32, MakesASecretForItsUserAlone)
{
    TemporaryFolder folder;
    const std::filesystem::path secret = PathFromUtf8(folder.File("palvo-cards.key"));
    const std::filesystem::path shared = PathFromUtf8(folder.File("palvo-claims.csv"));
    DurableAppendFile secretFile = DurableAppendFile::Open(secret, FileReaders::OwnerOnly);
    ASSERT_TRUE(secretFile.IsOpen());
    ASSERT_TRUE(secretFile.Append("key"));
    secretFile.Close();
    DurableAppendFile sharedFile = DurableAppendFile::Open(shared, FileReaders::Shared);
    ASSERT_TRUE(sharedFile.IsOpen());
    sharedFile.Close();

    // What a secret is made with, as the system would take it.
    OwnerOnlySecurity security;
    ASSERT_NE(security.Attributes(), nullptr);
    const FileAccess made = AccessOf(security.Attributes()->lpSecurityDescriptor);
    EXPECT_TRUE(made.protectedFromFolder);
    EXPECT_EQ(made.allowed, (std::vector<std::vector<BYTE>>{ThisUser()}));
    // What the file has, where the system keeps file ACLs (Wine keeps none: it shows its default).
    const FileAccess secretAccess = AccessOf(secret);
    if (secretAccess.protectedFromFolder) {
        EXPECT_EQ(secretAccess.allowed, made.allowed);
    } else {
        std::printf("the file system here keeps no ACL: the secret's own ACL not checked\n");
    }
    EXPECT_FALSE(AccessOf(shared).protectedFromFolder);
    EXPECT_EQ(ReadFileBytes(folder.File("palvo-cards.key")), "key") << "its user still reads it";
}

struct EncodingCase {
    const char* utf8;
    std::string cp932;
};

TEST(TextEncodingWin32, ConvertsBetweenUtf8AndCodePage932)
{
    const EncodingCase cases[] = {
        {"", ""},
        {"C:\\bg\\bg01.jpg", "C:\\bg\\bg01.jpg"},
        {"背景", "\x94\x77\x8c\x69"},
        {"ソ表", "\x83\x5c\x95\x5c"},  // second bytes equal to the backslash
        {"ｱ", "\xb1"},                 // half-width katakana is one byte
    };
    for (const EncodingCase& sample : cases) {
        EXPECT_EQ(Utf8ToCp932(sample.utf8), sample.cp932) << sample.utf8;
        EXPECT_EQ(Cp932ToUtf8(sample.cp932), sample.utf8) << sample.utf8;
    }
}

TEST(TextEncodingWin32, ReplacesWhatTheOtherSideCannotHold)
{
    EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x98\x80z"), "a?z");  // an emoji has no code page 932 form
    EXPECT_EQ(Utf8ToCp932("Ω€"), "\x83\xb6?");
    EXPECT_EQ(Cp932ToUtf8("a\x85\x40z"), "a\xEF\xBF\xBD@z");  // unassigned double-byte code: its lead byte
    EXPECT_EQ(Utf8ToCp932("\xC3\xA4"), "?");                  // no best-fit look-alike: a-umlaut is not "a"
    EXPECT_EQ(Cp932ToUtf8("a\x82"), "a\xEF\xBF\xBD");         // lead byte cut off at the end
    EXPECT_EQ(Cp932ToUtf8("\x80\xA0\xFD\xFF"),
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // unassigned bytes
}

}  // namespace
}  // namespace palvo
