#include "EditCommands.h"

#include <array>

namespace {

// Search texts whose replacement is the same text in lower case are given in lower case.
constexpr std::array<TTagCasePair, 56> Pairs{{
    {u"<html>", u"<html>"},
    {u"</html>", u"</html>"},
    {u"<head>", u"<head>"},
    {u"</head>", u"</head>"},
    {u"<title>", u"<title>"},
    {u"</title>", u"</title>"},
    {u"<body>", u"<body>"},
    {u"</body>", u"</body>"},
    {u"<li>", u"<li>"},
    {u"</li>", u"</li>"},
    {u"<ol>", u"<ol>"},
    {u"</ol>", u"</ol>"},
    {u"<ul>", u"<ul>"},
    {u"</ul>", u"</ul>"},
    {u"<td>", u"<td>"},
    {u"</td>", u"</td>"},
    {u"<th>", u"<th>"},
    {u"</th>", u"</th>"},
    {u"<tr>", u"<tr>"},
    {u"</tr>", u"</tr>"},
    {u"<table>", u"<table>"},
    {u"</table>", u"</table>"},
    {u"<div ", u"<div "},
    {u"<div>", u"<div>"},
    {u"</div>", u"</div>"},
    {u"<font ", u"<font "},
    {u"</font>", u"</font>"},
    {u"<br>", u"<br />"},
    {u"<br />", u"<br />"},
    {u"<hr>", u"<hr />"},
    {u"<form>", u"<form>"},
    {u"</form>", u"</form>"},
    {u"<p>", u"<p>"},
    {u"</p>", u"</p>"},
    {u"<INPUT TYPE=", u"<input type="},
    {u"<option>", u"<option>"},
    {u"</option>", u"</option>"},
    {u"<h1>", u"<h1>"},
    {u"</h1>", u"</h1>"},
    {u"<h2>", u"<h2>"},
    {u"</h2>", u"</h2>"},
    {u"<h3>", u"<h3>"},
    {u"</h3>", u"</h3>"},
    {u"<h4>", u"<h4>"},
    {u"</h4>", u"</h4>"},
    {u"<h5>", u"<h5>"},
    {u"</h5>", u"</h5>"},
    {u"<strong>", u"<strong>"},
    {u"</strong>", u"</strong>"},
    {u"<DD>", u"<dd>"},
    {u"</DD>", u"</dd>"},
    {u"</DT>", u"</dt>"},
    {u"<DL>", u"<dl>"},
    {u"</DL>", u"</dl>"},
    {u"<a href=", u"<a href="},
    {u"</a>", u"</a>"},
}};

} // namespace

std::span<const TTagCasePair> TagCasePairs()
{
    return Pairs;
}
