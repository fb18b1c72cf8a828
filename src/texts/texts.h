// The system's own texts, as its users read them: the window's and the test run's, in one place.
#pragma once

namespace vorlank::texts
{

inline constexpr char16_t windowTitle[] = u"Vorlank1.0版";
inline constexpr char16_t applicationTitle[] = u"Vorlank";
inline constexpr char16_t firstPrompt[] = u"第1个字：";
// The prompt for the character at position N once the test runs: "第", N, "个字".
inline constexpr char16_t promptBefore[] = u"第";
inline constexpr char16_t promptAfter[] = u"个字";
// Spoken after the prompt, for a listener who cannot see how far the test has come: "，共", the
// test's length, "个字".
inline constexpr char16_t totalBefore[] = u"，共";
// The title with the estimate E: "你认识", E, "个字！"; the end message puts "测试完毕！" before
// it.
inline constexpr char16_t estimateBefore[] = u"你认识";
inline constexpr char16_t estimateAfter[] = u"个字！";
inline constexpr char16_t testOver[] = u"测试完毕！";
inline constexpr char16_t characterAtStart[] = u"人";

// The captions of the window's controls and group boxes.
inline constexpr char16_t startButton[] = u"开始测试";
inline constexpr char16_t submitButton[] = u"提交";
inline constexpr char16_t lookUpButton[] = u"查询此字";
inline constexpr char16_t answerGroup[] = u"是否认识";
inline constexpr char16_t recognised[] = u"认识";
inline constexpr char16_t notRecognised[] = u"不认识";
inline constexpr char16_t instructionsGroup[] = u"说明";
inline constexpr char16_t otherProgramsGroup[] = u"我的其他软件：";
// The one button of every box the window shows.
inline constexpr char16_t okButton[] = u"确定";

inline constexpr char16_t introduction[]
    = u"本软件虽然小，但是准备工作不少，统计了大量的互联网文章，得出了汉字的使用频率，"
      u"从最常用的汉字开始，到生僻的汉字，按照一定的数学模型，随机抽取91个汉字进行测试，"
      u"就可以得出你的识字量。你可以进行第二次，甚至更多次测试，平均后，你的识字量将会更加准确！";
inline constexpr char16_t instructions[]
    = u"如果你不确定是否认识，可以先点击查询按钮，到百度字典查询此字，"
      u"是否和你认为的发音和意思一致，再确定是否认识这个字。";

inline constexpr char16_t firstAdvert[]
    = u"《拼音小达人》：看图听音，边玩边学汉语拼音，声母、韵母、声调一学就会。\n\n";
inline constexpr char16_t secondAdvert[]
    = u"《笔顺练字帖》：一笔一画演示三千五百个常用字的标准笔顺，打印字帖，天天练出一手好字。\n"
      u"适合小学生和汉语初学者，支持田字格、米字格两种格式，可按年级选字。\n\n";

// Names of the two pictures for screen readers: the products they stand for.
inline constexpr char16_t firstProduct[] = u"拼音小达人";
inline constexpr char16_t secondProduct[] = u"笔顺练字帖";

// Shown when the desktop does not open an address, above the address itself.
inline constexpr char16_t addressNotOpened[]
    = u"无法打开网页浏览器。请把下面的网址复制到浏览器中打开：";
// The same, in the browser, when it does not open the new tab (a blocker refused it).
inline constexpr char16_t tabNotOpened[]
    = u"浏览器没有打开新的标签页。请把下面的网址复制到地址栏中打开：";
// Shown above an error's description when an operation could not finish.
inline constexpr char16_t operationFailed[] = u"操作未能完成：";
// When the program cannot start: the title it leaves, and before the reason, which says which
// step or which file failed.
inline constexpr char16_t notStartedTitle[] = u"Vorlank1.0版（无法启动）";
inline constexpr char16_t cannotStart[] = u"Vorlank无法启动：";
inline constexpr char16_t inventoryDamaged[] = u"程序自带的字库无法读取。";
inline constexpr char16_t windowRefused[] = u"系统没有为程序创建窗口。";
inline constexpr char16_t fileBefore[] = u"程序文件";
inline constexpr char16_t fileNotLoadedAfter[] = u"没有载入。";
inline constexpr char16_t fileDamagedAfter[] = u"已损坏，无法运行。";
inline constexpr char16_t fileRefusedBefore[] = u"浏览器不允许运行程序文件";
inline constexpr char16_t fileRefusedAfter[] = u"。";
inline constexpr char16_t programStopped[] = u"程序运行时出错，已停止。";
// What the page's reader can do then: load it again later, or allow it or use another browser.
inline constexpr char16_t reloadLater[] = u"请稍后重新载入本页。";
inline constexpr char16_t allowOrChange[]
    = u"请在浏览器的设置中允许运行WebAssembly，或换用其他浏览器。";

// What search engines show of the page.
inline constexpr char16_t pageDescription[]
    = u"测一测你认识多少个汉字：从最常用的汉字到生僻字，随机抽取91个字，估算你的识字量。";

// The Linux program's command line.
inline constexpr char16_t commandLineHelp[]
    = u"Usage: vorlank [options]\n"
      u"Estimates how many Simplified Chinese characters you can read.\n\n"
      u"Options:\n"
      u"  -h, --help     Display this help and exit.\n"
      u"  -v, --version  Display the version and exit.\n\n"
      u"The toolkit's standard options (-style, -platform, -display, -reverse, ...) are\n"
      u"accepted too.\n";
// An argument the command line does not take: "unexpected argument '", the argument, "'".
inline constexpr char16_t unexpectedArgumentBefore[] = u"unexpected argument '";
inline constexpr char16_t unexpectedArgumentAfter[] = u"'";
inline constexpr char16_t commandLineTryHelp[] = u"Try 'vorlank --help' for more information.";
// Before the reason, on standard error, when no window can be opened (no display, say).
inline constexpr char16_t cannotOpenWindow[] = u"cannot open a window: ";

} // namespace vorlank::texts
