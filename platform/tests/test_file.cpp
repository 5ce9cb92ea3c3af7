// The file family: CFile, CStdioFile, CMemFile and CFileFind, with their exceptions.
#include <afx.h>
#include <gtest/gtest.h>

#include "exception_probe.h"

#include <stdlib.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Failure
{
    int cause = -2; // -2: nothing thrown
    LONG osError = 0;
    std::string fileName;
};

Failure FileFailure(const std::function<void()>& action)
{
    Failure f;
    try {
        action();
    } catch (CFileException* e) {
        f.cause = e->m_cause;
        f.osError = e->m_lOsError;
        f.fileName = e->m_strFileName.GetString();
        e->Delete();
    }
    return f;
}

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class FileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir.Format("%smolvane_file_%lu_%u", temp, GetCurrentProcessId(), counter++);
        ASSERT_TRUE(CreateDirectoryA(dir, NULL));
    }
    void TearDown() override { RemoveTree(dir); }

    static void RemoveTree(const CString& path)
    {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA(path + "\\*", &data);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                CString name(data.cFileName);
                if (name == "." || name == "..")
                    continue;
                CString child = path + "\\" + name;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else {
                    SetFileAttributesA(child, FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(child);
                }
            } while (FindNextFileA(h, &data));
            FindClose(h);
        }
        RemoveDirectoryA(path);
    }

    CString Path(const char* name) const { return dir + "\\" + name; }

    void WriteRaw(const char* name, const std::string& bytes) const
    {
        CFile f(Path(name), CFile::modeCreate | CFile::modeWrite);
        f.Write(bytes.data(), UINT(bytes.size()));
    }

    std::string ReadRaw(const char* name) const
    {
        CFile f(Path(name), CFile::modeRead | CFile::shareDenyNone);
        std::string bytes(size_t(f.GetLength()), '\0');
        if (!bytes.empty())
            f.Read(&bytes[0], UINT(bytes.size()));
        return bytes;
    }

    CString dir;
    static unsigned counter;
};
unsigned FileTest::counter = 0;

TEST_F(FileTest, OpenFailuresReportCauseAndSystemError)
{
    CString existing = Path("held.txt");
    WriteRaw("held.txt", "x");
    CFile holder(existing, CFile::modeRead | CFile::shareExclusive);
    const struct
    {
        CString path;
        UINT flags;
        int cause;
        LONG osError;
    } cases[] = {
        {Path("missing.txt"), CFile::modeRead, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND},
        {Path("no\\such\\dir.txt"), CFile::modeRead, CFileException::badPath, ERROR_PATH_NOT_FOUND},
        {Path("nodir\\new.txt"), CFile::modeCreate | CFile::modeWrite, CFileException::badPath, ERROR_PATH_NOT_FOUND},
        {existing, CFile::modeRead | CFile::shareDenyNone, CFileException::sharingViolation, ERROR_SHARING_VIOLATION},
    };
    for (const auto& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path, c.flags, &error)) << c.path.GetString();
        EXPECT_EQ(error.m_cause, c.cause) << c.path.GetString();
        EXPECT_EQ(error.m_lOsError, c.osError) << c.path.GetString();
        EXPECT_STREQ(error.m_strFileName, c.path);
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);

        Failure thrown = FileFailure([&] { CFile f(c.path, c.flags); });
        EXPECT_EQ(thrown.cause, c.cause) << "constructor";
        EXPECT_EQ(thrown.osError, c.osError);
        EXPECT_EQ(thrown.fileName, c.path.GetString());
    }
    CFile file;
    EXPECT_FALSE(file.Open("", CFile::modeRead)) << "no exception object needed";
}

TEST_F(FileTest, CreateTruncatesUnlessNoTruncate)
{
    WriteRaw("data.bin", "0123456789");
    {
        CFile keep(Path("data.bin"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(keep.GetLength(), 10u);
        EXPECT_EQ(keep.GetPosition(), 0u);
        EXPECT_EQ(keep.SeekToEnd(), 10u);
        keep.Write("AB", 2);
    }
    EXPECT_EQ(ReadRaw("data.bin"), "0123456789AB");
    {
        CFile fresh(Path("data.bin"), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(fresh.GetLength(), 0u);
    }
    EXPECT_EQ(ReadRaw("data.bin"), "");
}

TEST_F(FileTest, ReadWriteSeekAndLength)
{
    CFile f(Path("rw.bin"), CFile::modeCreate | CFile::modeReadWrite);
    f.Write("hello world", 11);
    EXPECT_EQ(f.GetPosition(), 11u);
    EXPECT_EQ(f.Seek(-5, CFile::end), 6u);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, sizeof(buf)), 5u);
    EXPECT_STREQ(buf, "world");
    EXPECT_EQ(f.Read(buf, sizeof(buf)), 0u) << "end of file is not an error";
    f.SeekToBegin();
    EXPECT_EQ(f.Seek(2, CFile::current), 2u);
    f.SetLength(4);
    EXPECT_EQ(f.GetLength(), 4u);
    f.SetLength(8);
    EXPECT_EQ(f.GetLength(), 8u);
    f.Flush();
    EXPECT_EQ(f.GetFileName(), CString("rw.bin"));
    EXPECT_EQ(f.GetFileTitle(), CString("rw"));
    EXPECT_EQ(f.GetFilePath().Right(7), CString("\\rw.bin"));
    EXPECT_EQ(f.GetFilePath().Find(dir.Mid(2)), 2) << "the full path";

    Failure seek = FileFailure([&] { f.Seek(-1, CFile::begin); });
    EXPECT_EQ(seek.cause, CFileException::badSeek);
    EXPECT_EQ(seek.osError, ERROR_NEGATIVE_SEEK);
    f.Close();
    EXPECT_EQ(f.m_hFile, CFile::hFileNull);
    EXPECT_TRUE(f.GetFilePath().IsEmpty());
    f.Abort(); // harmless on a closed file

    CFile readOnly(Path("rw.bin"), CFile::modeRead);
    Failure write = FileFailure([&] { readOnly.Write("x", 1); });
    EXPECT_EQ(write.cause, CFileException::accessDenied);
    EXPECT_EQ(write.osError, ERROR_ACCESS_DENIED);
}

TEST_F(FileTest, StatusRenameAndRemove)
{
    WriteRaw("a.txt", "12345");
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(Path("a.txt"), status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_EQ(status.m_attribute & CFile::directory, 0);
    EXPECT_LE(abs(int(status.m_mtime.GetTime() - CTime::GetCurrentTime().GetTime())), 120);
    EXPECT_STREQ(status.m_szFullName, Path("a.txt"));
    EXPECT_FALSE(CFile::GetStatus(Path("none.txt"), status));
    {
        CFile f(Path("a.txt"), CFile::modeRead);
        CFileStatus open;
        ASSERT_TRUE(f.GetStatus(open));
        EXPECT_EQ(open.m_size, 5u);
    }

    CFile::Rename(Path("a.txt"), Path("b.txt"));
    EXPECT_EQ(ReadRaw("b.txt"), "12345");
    WriteRaw("c.txt", "");
    const struct
    {
        const char* what;
        std::function<void()> action;
        int cause;
        LONG osError;
    } cases[] = {
        {"rename missing", [&] { CFile::Rename(Path("a.txt"), Path("d.txt")); }, CFileException::fileNotFound,
         ERROR_FILE_NOT_FOUND},
        {"rename onto existing", [&] { CFile::Rename(Path("b.txt"), Path("c.txt")); }, CFileException::accessDenied,
         ERROR_ALREADY_EXISTS},
        {"remove missing", [&] { CFile::Remove(Path("a.txt")); }, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND},
    };
    for (const auto& c : cases) {
        Failure f = FileFailure(c.action);
        EXPECT_EQ(f.cause, c.cause) << c.what;
        EXPECT_EQ(f.osError, c.osError) << c.what;
    }
    CFile::Remove(Path("b.txt"));
    EXPECT_FALSE(CFile::GetStatus(Path("b.txt"), status));
}

TEST_F(FileTest, StdioTextModeTranslatesLineEnds)
{
    {
        CStdioFile out(Path("text.txt"), CFile::modeCreate | CFile::modeWrite);
        out.WriteString("첫 줄\n");
        out.WriteString("second\n\nlast");
    }
    EXPECT_EQ(ReadRaw("text.txt"), "첫 줄\r\nsecond\r\n\r\nlast");
    {
        CStdioFile out(Path("binary.txt"), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
        out.WriteString("a\nb\n");
    }
    EXPECT_EQ(ReadRaw("binary.txt"), "a\nb\n");
    {
        CStdioFile append(Path("text.txt"), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        append.SeekToEnd();
        append.WriteString("\nmore\n");
    }
    EXPECT_EQ(ReadRaw("text.txt"), "첫 줄\r\nsecond\r\n\r\nlast\r\nmore\r\n");
}

TEST_F(FileTest, StdioReadStringDropsTheLineEnd)
{
    std::string longLine(300, 'L');
    WriteRaw("lines.txt", "x\r\n\r\n" + longLine + "\r\nunix\nlast");
    CStdioFile in(Path("lines.txt"), CFile::modeRead | CFile::shareDenyWrite);
    std::vector<std::string> lines;
    CString line;
    while (in.ReadString(line))
        lines.push_back(line.GetString());
    EXPECT_EQ(lines, (std::vector<std::string>{"x", "", longLine, "unix", "last"}));
    EXPECT_FALSE(in.ReadString(line));
    EXPECT_TRUE(line.IsEmpty());

    in.SeekToBegin();
    char buf[8];
    EXPECT_STREQ(in.ReadString(buf, sizeof(buf)), "x\n") << "the buffer form keeps the newline";

    CStdioFile binary(Path("lines.txt"), CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary);
    ASSERT_TRUE(binary.ReadString(line));
    EXPECT_STREQ(line, "x\r");

    CStdioFile missing;
    CFileException error;
    EXPECT_FALSE(missing.Open(Path("none.txt"), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
}

TEST(MemFileTest, GrowsInStepsAndHandsOverItsBlock)
{
    CMemFile f(1024);
    std::string data(3000, 'm');
    f.Write(data.data(), UINT(data.size()));
    EXPECT_EQ(f.GetLength(), 3000u);
    f.Seek(10, CFile::end);
    f.Write("!", 1);
    EXPECT_EQ(f.GetLength(), 3011u);
    f.Seek(3000, CFile::begin);
    char gap[11];
    EXPECT_EQ(f.Read(gap, sizeof(gap)), 11u);
    EXPECT_EQ(std::string(gap, 10), std::string(10, '\0')) << "a gap left by seeking reads as zeros";
    f.SetLength(5);
    EXPECT_EQ(f.GetPosition(), 5u);
    BYTE* block = f.Detach();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], 'm');
    EXPECT_EQ(f.GetLength(), 0u);
    free(block);

    Failure seek = FileFailure([&] { f.Seek(-1, CFile::begin); });
    EXPECT_EQ(seek.cause, CFileException::badSeek);
}

TEST(MemFileTest, AFixedBlockIsTheContentAndDoesNotGrow)
{
    BYTE block[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    CMemFile f(block, sizeof(block));
    EXPECT_EQ(f.GetLength(), 8u);
    char buf[4];
    EXPECT_EQ(f.Read(buf, 3), 3u);
    f.Write("XY", 2);
    EXPECT_EQ(block[3], 'X');
    EXPECT_TRUE(ThrowsFrameworkException<CMemoryException>([&] { f.Write("0123456789", 10); }));
    EXPECT_TRUE(ThrowsFrameworkException<CNotSupportedException>([&] { f.Duplicate(); }));
}

TEST_F(FileTest, FindFileWalksTheMatches)
{
    WriteRaw("a.txt", "1");
    WriteRaw("b.txt", "22");
    WriteRaw("c.log", "");
    ASSERT_TRUE(CreateDirectoryA(Path("sub.txt"), NULL));

    CFileFind finder;
    EXPECT_TRUE(finder.GetFileName().IsEmpty()) << "nothing before FindNext";
    ASSERT_TRUE(finder.FindFile(Path("*.txt")));
    std::set<std::string> files, dirs;
    BOOL more = TRUE;
    while (more) {
        more = finder.FindNext();
        if (finder.IsDirectory())
            dirs.insert(finder.GetFileName().GetString());
        else
            files.insert(finder.GetFileName().GetString());
        EXPECT_STREQ(finder.GetFilePath(), Path(finder.GetFileName()));
        EXPECT_STREQ(finder.GetRoot(), dir + "\\");
        if (finder.GetFileName() == "b.txt") {
            EXPECT_EQ(finder.GetLength(), 2u);
            EXPECT_STREQ(finder.GetFileTitle(), "b");
        }
    }
    EXPECT_EQ(files, (std::set<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(dirs, (std::set<std::string>{"sub.txt"}));
    EXPECT_FALSE(finder.FindNext()) << "the search is over";

    ASSERT_TRUE(finder.FindFile(Path("*")));
    int dots = 0;
    for (more = TRUE; more;) {
        more = finder.FindNext();
        dots += finder.IsDots() ? 1 : 0;
    }
    EXPECT_EQ(dots, 2);
    EXPECT_FALSE(finder.FindFile(Path("*.none")));
    finder.Close();
}

} // namespace
