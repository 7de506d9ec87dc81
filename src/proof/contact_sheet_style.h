#pragma once
// The contact sheet's look: one row per page, pictures on the left, the page's facts in the
// middle, the check's findings on the right; printable on paper as well.

namespace proof {

inline constexpr const char* contact_sheet_style = R"css(
body { font: 14px/1.4 sans-serif; margin: 0; background: #f3f1ec; color: #222; }
header { padding: 16px 24px; background: #2d3b4e; color: #fff; }
header h1 { margin: 0 0 4px; font-size: 22px; }
header p { margin: 2px 0; }
header code { color: #dfe6ee; }
section { display: grid; grid-template-columns: 400px 330px 1fr; gap: 16px; padding: 12px 24px;
          border-bottom: 1px solid #d6d2c8; background: #fff; }
section:nth-of-type(even) { background: #faf9f6; }
section.folder { display: block; }
.shots { display: flex; gap: 8px; align-items: flex-start; }
.extra { display: flex; flex-direction: column; gap: 4px; }
figure { margin: 0; }
figure img { display: block; border: 1px solid #888; background: #000; }
figure a:hover img { outline: 3px solid #e0a020; }
figcaption { font-size: 12px; color: #555; }
figure.missing div { display: flex; align-items: center; justify-content: center; background: #eee;
                     border: 1px dashed #a33; color: #a33; }
h2 { margin: 0 0 6px; font-size: 17px; }
table { border-collapse: collapse; }
th { text-align: left; font-weight: normal; color: #666; padding: 1px 10px 1px 0; vertical-align: top;
     white-space: nowrap; }
td { padding: 1px 0; }
code { font-size: 12px; word-break: break-all; }
.none { color: #999; }
.findings ul { margin: 0; padding: 0; list-style: none; }
.findings li { margin: 0 0 6px; padding: 4px 8px; border-left: 4px solid; border-radius: 2px; }
li.error { border-color: #c0392b; background: #fbeae8; }
li.warning { border-color: #d68910; background: #fdf3e3; }
li.hint { border-color: #2e86c1; background: #e9f2fa; }
.kind { font-family: monospace; font-size: 12px; color: #555; }
.clean { color: #3a7d44; margin: 0; }
@media print { section { break-inside: avoid; } }
)css";

}  // namespace proof
