// The platform the system stands on: code page, windows across threads, the third-party
// libraries, MSXML over COM and WinINet over HTTPS with the test CA.
#include <windows.h>
#include <wininet.h>
#include <msxml2.h>
#include <gtest/gtest.h>
#include <json/json.h>
#include <mbedtls/md.h>
#include <zlib.h>
#include <zip.h>
#include <unzip.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

TEST(Platform, KoreanCodePageAndLiterals)
{
    ASSERT_EQ(GetACP(), 949u);
    const unsigned char expected[] = {0xC7, 0xC1, 0xB7, 0xCE, 0xB1, 0xD7, 0xB7, 0xA5, 0};
    EXPECT_STREQ("프로그램", reinterpret_cast<const char*>(expected));
    EXPECT_TRUE(IsDBCSLeadByte(expected[0]));
}

// The frame drawing of the system's own windows (a message box's caption buttons) writes its
// glyphs in Marlett: with any other face its close button shows the letter "r".
TEST(Platform, TheCaptionGlyphFontIsThere)
{
    HDC dc = CreateCompatibleDC(NULL);
    ASSERT_NE((HDC)NULL, dc);
    for (BYTE charset : {(BYTE)SYMBOL_CHARSET, (BYTE)DEFAULT_CHARSET}) {
        HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, 0, 0, 0, 0, "Marlett");
        HGDIOBJ old = SelectObject(dc, font);
        char face[LF_FACESIZE] = {0};
        GetTextFaceA(dc, sizeof face, face);
        EXPECT_STREQ("Marlett", face) << "character set " << (int)charset;
        SelectObject(dc, old);
        DeleteObject(font);
    }
    DeleteDC(dc);
}

namespace {
DWORD g_copyThread;
std::string g_copyText;

LRESULT CALLBACK CopyDataProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COPYDATA) {
        auto* cds = reinterpret_cast<COPYDATASTRUCT*>(lp);
        g_copyThread = GetCurrentThreadId();
        g_copyText.assign(static_cast<const char*>(cds->lpData), cds->cbData);
        return 7;
    }
    return DefWindowProcA(h, msg, wp, lp);
}
}  // namespace

TEST(Platform, CrossThreadCopyDataRunsOnTheWindowThread)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = CopyDataProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SmokeCopyData";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA("SmokeCopyData", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                             nullptr, wc.hInstance, nullptr);
    ASSERT_NE(wnd, nullptr);

    LRESULT result = 0;
    std::thread sender([&] {
        const char text[] = "frame";
        COPYDATASTRUCT cds{100, sizeof text - 1, const_cast<char*>(text)};
        result = SendMessageA(wnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    });
    // The sent message is handled here, inside the UI thread's message retrieval.
    MSG msg;
    while (g_copyText.empty()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    sender.join();
    EXPECT_EQ(result, 7);
    EXPECT_EQ(g_copyThread, GetCurrentThreadId());
    EXPECT_EQ(g_copyText, "frame");
    DestroyWindow(wnd);
}

TEST(Dependencies, MbedTlsHmacSha512Rfc4231)
{
    // RFC 4231 test case 2.
    const char key[] = "Jefe";
    const char data[] = "what do ya want for nothing?";
    unsigned char mac[64];
    ASSERT_EQ(mbedtls_md_hmac(mbedtls_md_info_from_type(MBEDTLS_MD_SHA512),
                              reinterpret_cast<const unsigned char*>(key), 4,
                              reinterpret_cast<const unsigned char*>(data), std::strlen(data), mac),
              0);
    char hex[129];
    for (int i = 0; i < 64; ++i)
        std::snprintf(hex + 2 * i, 3, "%02x", mac[i]);
    EXPECT_STREQ(hex,
                 "164b7a7bfcf819e2e395fbe73b56e0a387bd64222e831fd610270cd7ea2505549758bf75c05a994a"
                 "6d034f65f8f0e6fdcaeab1a34d4a6b4b636e070a38bce737");
}

TEST(Dependencies, JsonRoundTrip)
{
    Json::Value in;
    in["status"] = "0000";
    in["data"]["closing_price"] = "51234000";
    in["data"]["units"] = 0.0125;
    Json::StreamWriterBuilder w;
    const std::string text = Json::writeString(w, in);
    Json::Value out;
    Json::Reader reader;
    ASSERT_TRUE(reader.parse(text, out));
    EXPECT_EQ(out, in);
    EXPECT_FALSE(reader.parse("{\"status\": ", out));
}

TEST(Dependencies, ZlibInflate)
{
    std::string plain(5000, 'x');
    for (size_t i = 0; i < plain.size(); i += 7)
        plain[i] = char('a' + i % 26);
    uLongf packedLen = compressBound(plain.size());
    std::vector<Bytef> packed(packedLen);
    ASSERT_EQ(compress(packed.data(), &packedLen, reinterpret_cast<const Bytef*>(plain.data()),
                       plain.size()),
              Z_OK);
    std::vector<char> back(plain.size());
    uLongf backLen = back.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(back.data()), &backLen, packed.data(), packedLen),
              Z_OK);
    EXPECT_EQ(std::string(back.data(), backLen), plain);
}

TEST(Dependencies, MinizipReadsAZipMadeNow)
{
    char dir[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "zip", 0, path);
    const std::string body = "Molvane.exe,2026121001\r\n";

    zipFile zf = zipOpen(path, APPEND_STATUS_CREATE);
    ASSERT_NE(zf, nullptr);
    zip_fileinfo info{};
    ASSERT_EQ(zipOpenNewFileInZip(zf, "System/version.dat", &info, nullptr, 0, nullptr, 0, nullptr,
                                  Z_DEFLATED, Z_DEFAULT_COMPRESSION),
              ZIP_OK);
    ASSERT_EQ(zipWriteInFileInZip(zf, body.data(), body.size()), ZIP_OK);
    zipCloseFileInZip(zf);
    zipClose(zf, nullptr);

    unzFile uf = unzOpen(path);
    ASSERT_NE(uf, nullptr);
    ASSERT_EQ(unzLocateFile(uf, "System/version.dat", 0), UNZ_OK);
    ASSERT_EQ(unzOpenCurrentFile(uf), UNZ_OK);
    char buf[128];
    int n = unzReadCurrentFile(uf, buf, sizeof buf);
    EXPECT_EQ(unzCloseCurrentFile(uf), UNZ_OK);  // checks the CRC
    unzClose(uf);
    DeleteFileA(path);
    ASSERT_GT(n, 0);
    EXPECT_EQ(std::string(buf, n), body);
}

TEST(Platform, Msxml3DomAnswersXPath)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    {
        CLSID clsid;
        ASSERT_EQ(CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &clsid), S_OK);
        // IID_IXMLDOMDocument2
        const IID iidDoc2 = {0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
        IXMLDOMDocument2* doc = nullptr;
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iidDoc2,
                                   reinterpret_cast<void**>(&doc)),
                  S_OK);
        VARIANT_BOOL ok = VARIANT_FALSE;
        BSTR xml = SysAllocString(L"<MENU><ITEM id='101' name='a'/><ITEM id='102' name='b'/></MENU>");
        doc->loadXML(xml, &ok);
        SysFreeString(xml);
        ASSERT_EQ(ok, VARIANT_TRUE);
        VARIANT lang;
        VariantInit(&lang);
        lang.vt = VT_BSTR;
        lang.bstrVal = SysAllocString(L"XPath");
        BSTR prop = SysAllocString(L"SelectionLanguage");
        EXPECT_EQ(doc->setProperty(prop, lang), S_OK);
        SysFreeString(prop);
        VariantClear(&lang);
        IXMLDOMNode* node = nullptr;
        BSTR query = SysAllocString(L"/MENU/ITEM[@id='102']/@name");
        ASSERT_EQ(doc->selectSingleNode(query, &node), S_OK);
        SysFreeString(query);
        BSTR text = nullptr;
        node->get_text(&text);
        EXPECT_EQ(std::wstring(text), L"b");
        SysFreeString(text);
        node->Release();
        doc->Release();
    }
    CoUninitialize();
}

TEST(Platform, WinInetTrustsTheLocalHttpsPeer)
{
    const char* port = std::getenv("MOLVANE_HTTPS_PORT");
    ASSERT_NE(port, nullptr) << "run through testbed/peers.py --peers https";
    HINTERNET inet = InternetOpenA("Molvane", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    ASSERT_NE(inet, nullptr);
    HINTERNET conn = InternetConnectA(inet, "localhost", (INTERNET_PORT)std::atoi(port), nullptr,
                                      nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    ASSERT_NE(conn, nullptr);
    // No certificate-ignore flag: the test CA in the machine Root store must be enough.
    HINTERNET req = HttpOpenRequestA(conn, "GET", "/hello", nullptr, nullptr, nullptr,
                                     INTERNET_FLAG_SECURE | INTERNET_FLAG_RELOAD, 0);
    ASSERT_NE(req, nullptr);
    ASSERT_TRUE(HttpSendRequestA(req, nullptr, 0, nullptr, 0)) << "error " << GetLastError();
    char buf[256];
    DWORD got = 0;
    std::string body;
    while (InternetReadFile(req, buf, sizeof buf, &got) && got)
        body.append(buf, got);
    EXPECT_EQ(body, "hello over https");
    InternetCloseHandle(req);
    InternetCloseHandle(conn);
    InternetCloseHandle(inet);
}
