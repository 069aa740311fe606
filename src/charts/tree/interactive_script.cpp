// The script of the interactive ancestor chart. It repeats the chart's packing in the browser,
// so that folded branches give their room to the others.
#include "charts/tree/interactive_script.h"

#include <string_view>

namespace qv {
namespace {

std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

constexpr std::string_view kDisplay = R"js(var svgns = 'http://www.w3.org/2000/svg';
var scrolling = false;
var menuopen = false;
var highlight = null;
var shownboxes = [];
var captions = {P: 'Ehepartner:', K: 'Kind:', V: 'Vater:', M: 'Mutter:'};
function isset(v) { return typeof v != 'undefined' && v !== null; }
// While the window scrolls along a line, its highlight stays.
function opac(line, value) { if (!scrolling) line.setAttribute('stroke-opacity', value); }
function SvgRoot() { return document.getElementById('SLines').ownerSVGElement; }
function MouseX(evt) { return evt.clientX - SvgRoot().getBoundingClientRect().left; }
function MouseY(evt) { return evt.clientY - SvgRoot().getBoundingClientRect().top; }
// The document shifts everything by half a pixel, the chart by its origin.
function ChartX(evt) { return MouseX(evt) - offsetx - 0.5; }
function ChartY(evt) { return MouseY(evt) - offsety - 0.5; }
function sqr(x) { return x * x; }
function trunc(x) { return x < 0 ? Math.ceil(x) : Math.floor(x); }
function SexColor(sex) { return sex == 'M' ? '#0000FF' : sex == 'F' ? '#FF0000' : '#008000'; }
function PlaceBox(box, x, y) {
  box.setAttribute('transform', 'translate(' + trunc(x) + ',' + trunc(y) + ')');
  box.setAttribute('display', 'inline');
}
function BoxSize(box) {
  var b = box.getBBox();
  return [Math.ceil(b.x + b.width) + 2, Math.ceil(b.y + b.height) + 2];
}
function ShowTextRect(box, sex) {
  var rect = document.getElementById('TextRect');
  var size = BoxSize(box);
  var place = box.transform.baseVal.consolidate();
  rect.setAttribute('x', place ? place.matrix.e : 0);
  rect.setAttribute('y', place ? place.matrix.f : 0);
  rect.setAttribute('width', size[0]);
  rect.setAttribute('height', size[1]);
  rect.setAttribute('stroke', SexColor(sex));
  rect.setAttribute('display', 'inline');
  return size;
}
function HideTextRect() { document.getElementById('TextRect').setAttribute('display', 'none'); }
function SymbolOver(evt, n) {
  var box = document.getElementById('TextH' + n);
  if (menuopen || !box) return;
  PlaceBox(box, ChartX(evt) + 16, ChartY(evt));
  ShowTextRect(box, nodes[n].sex);
}
function SymbolOut(n) {
  var box = document.getElementById('TextH' + n);
  if (box) box.setAttribute('display', 'none');
  HideTextRect();
}
// A person's line-hover box with its caption; returns its width and height.
function ShowPersonBox(n, caption, x, y) {
  var box = document.getElementById('TextP' + n);
  if (!box) return [0, 0];
  box.qvCaption.textContent = caption;
  box.qvFrame.setAttribute('width', 1);
  PlaceBox(box, x, y);
  var width = BoxSize(box)[0];
  box.qvFrame.setAttribute('width', width);
  shownboxes.push(box);
  return [width, nodes[n].texth];
}
function DisplayText(id, x, y) {
  var kind = id.charAt(4), number = parseInt(id.substring(5), 10);
  if (kind != 'E') {
    ShowPersonBox(number, captions[kind], x, y);
    return;
  }
  var fam = fams[number], width = 0, top = y;
  if (isset(fam.vater)) {
    var father = ShowPersonBox(fam.vater, captions.V, x, top);
    width = father[0];
    top += father[1];
  }
  if (isset(fam.mutter)) width = Math.max(width, ShowPersonBox(fam.mutter, captions.M, x, top)[0]);
  shownboxes.forEach(function (box) { box.qvFrame.setAttribute('width', width); });
}
function HideText() {
  shownboxes.forEach(function (box) { box.setAttribute('display', 'none'); });
  shownboxes = [];
}
// The box of the person at the line's far end from the pointer.
function LineOver(evt, x1, y1, x2, y2, box1, box2) {
  if (menuopen || scrolling) return;
  highlight = evt.target;
  opac(highlight, 1);
  var x = ChartX(evt), y = ChartY(evt);
  HideText();
  var nearfirst = sqr(x - x1) + sqr(y - y1) < sqr(x - x2) + sqr(y - y2);
  DisplayText(nearfirst ? box2 : box1, x + 16, y);
}
function LineOut(evt) {
  HideText();
  opac(evt.target, 0);
}
// Brings the line's end farther from the pointer to the middle of the window, step by step.
function LineScroll(evt, x1, y1, x2, y2) {
  var x = ChartX(evt), y = ChartY(evt);
  var far = sqr(x - x1) + sqr(y - y1) > sqr(x - x2) + sqr(y - y2) ? [x1, y1] : [x2, y2];
  var frame = SvgRoot().getBoundingClientRect();
  var sx = window.scrollX, sy = window.scrollY;
  var tx = sx + frame.left + offsetx + far[0] - window.innerWidth / 2;
  var ty = sy + frame.top + offsety + far[1] - window.innerHeight / 2;
  var steps = Math.max(1, trunc(0.0125 * Math.sqrt(sqr(tx - sx) + sqr(ty - sy))));
  scrolling = true;
  HideText();
  document.getElementById('SLines').setAttribute('pointer-events', 'none');
  DoScroll(sx, sy, tx, ty, 1, steps);
}
function DoScroll(sx, sy, tx, ty, step, steps) {
  window.scrollTo(sx + (tx - sx) * step / steps, sy + (ty - sy) * step / steps);
  if (step < steps) {
    setTimeout(function () { DoScroll(sx, sy, tx, ty, step + 1, steps); }, 16);
    return;
  }
  setTimeout(function () {
    scrolling = false;
    document.getElementById('SLines').removeAttribute('pointer-events');
    if (highlight) opac(highlight, 0);
  }, 500);
})js";

constexpr std::string_view kMenu = R"js(function ContextMenuOver(entry) {
  entry.setAttribute('fill', 'rgb(51,153,255)');
  document.getElementById('ContextMenuText').setAttribute('fill', '#FFF');
}
function ContextMenuOut(entry) {
  entry.setAttribute('fill', 'rgb(240,240,240)');
  document.getElementById('ContextMenuText').setAttribute('fill', '#000');
})js";

constexpr std::string_view kLayout =
    R"js(// Charts deeper than the usual 64 rows keep all of their rows.
var rows = Math.max(64, gens.length + 1);
function sign(x) { return x > 0 ? 1 : x < 0 ? -1 : 0; }
function Offsetscale(x) { return Math.floor(Math.pow(Math.abs(x), 0.75)) * sign(x); }
function Path(a) {
  var d = 'M' + a[0][0] + ' ' + a[0][1];
  for (var i = 1; i < a.length; i++) d += 'L' + a[i][0] + ' ' + a[i][1];
  return d;
}
// Layout coordinates run across and along; the horizontal directions exchange them.
function Orient(p) { return alignment >= 2 ? [p[1], p[0]] : p; }
function VisibleChildren(n) {
  var c = nodes[n].children;
  return isset(c) ? c.filter(function (k) { return nodes[k].visible; }) : [];
}
// A node whose parents are all hidden is a leaf.
function NodeChildren(n) { return VisibleChildren(n).length > 0; }
function Folded(n) {
  var group = nodes[n].famgrp;
  return isset(group) && group.some(function (m) { return !nodes[m].visible; });
}
function PrepareNodes() {
  nodes.forEach(function (node) {
    node.visible = true;
    node.left = [];
    node.right = [];
    node.parents = [];
    if (!isset(node.texth)) node.texth = standardtexth;
    if (isset(node.children)) node.famgrp = (node.famgrp || []).concat(node.children);
  });
  fams.forEach(function (fam) {
    fam.children.forEach(function (c) {
      nodes[c.index].bothp = isset(fam.vater) && isset(fam.mutter);
      nodes[c.index].parents = [fam.vater, fam.mutter];
    });
  });
}
// Rows between a node and a child further up keep the room of the line crossing them.
function FillBelow(kid, depth) {
  for (var r = kid.depth - 1; r > depth; r--) {
    kid.left[r] = kid.left[kid.depth];
    kid.right[r] = kid.left[kid.depth] + minwidth;
  }
}
function MergeChild(node, kid) {
  var L = node.left, R = node.right, s = -kid.width, r;
  if (node.depth < kid.depth) {
    s = -1000000;
    for (r = node.depth + 1; r < rows && L[r] != R[r] && kid.left[r] != kid.right[r]; r++)
      s = Math.max(s, R[r] - kid.left[r]);
    if (s == -1000000) s = 0;
  }
  kid.shift = s;
  for (r = node.depth + 1; r < rows && kid.left[r] != kid.right[r]; r++) {
    if (L[r] == R[r]) L[r] = kid.left[r] + s;
    R[r] = kid.right[r] + s;
  }
}
function Placed(k) { return nodes[k].off + nodes[k].shift; }
function OwnOffset(node, kids) {
  if (kids.length == 0) return 0;
  if (kids.length >= 2 && node.bothp) {
    var p = node.parents;
    if ((kids[0] == p[0] && kids[1] == p[1]) || (kids[0] == p[1] && kids[1] == p[0]))
      return trunc((Placed(kids[0]) + Placed(kids[1])) / 2);
  }
  return Placed(kids[0]);
}
function PackNode(n) {
  var node = nodes[n], kids = VisibleChildren(n), lowest = rows, r;
  kids.forEach(PackNode);
  for (r = 0; r < rows; r++) node.left[r] = node.right[r] = 0;
  kids.forEach(function (k, i) {
    var kid = nodes[k];
    FillBelow(kid, node.depth);
    lowest = Math.min(lowest, kid.depth);
    if (i > 0) {
      MergeChild(node, kid);
      return;
    }
    kid.shift = 0;
    for (r = 0; r < rows; r++) {
      node.left[r] = kid.left[r];
      node.right[r] = kid.right[r];
    }
  });
  node.off = OwnOffset(node, kids);
  if (kids.length >= 2) {
    var right = trunc((Placed(kids[kids.length - 1]) + Placed(kids[kids.length - 2]) + minwidth) / 2);
    for (r = node.depth + 1; r < Math.min(lowest, rows); r++) {
      node.left[r] = node.off;
      node.right[r] = right;
    }
  }
  node.left[node.depth] = node.off;
  node.right[node.depth] = node.off + node.width;
}
// Every node reached from the root through visible children gets its place across.
function PlaceNodes(n, frame) {
  nodes.forEach(function (node) { node.placed = false; });
  var stack = [[n, frame]];
  while (stack.length) {
    var top = stack.pop(), node = nodes[top[0]];
    node.placed = true;
    node.x = border + top[1] + node.off;
    VisibleChildren(top[0]).forEach(function (k) { stack.push([k, top[1] + nodes[k].shift]); });
  }
}
function UpdateNodePos(n) {
  var node = nodes[n], g = document.getElementById('node' + n);
  if (!g) return;
  if (!node.placed) {
    g.setAttribute('display', 'none');
    return;
  }
  var p = Orient([node.x, gens[node.depth]]);
  g.setAttribute('transform', 'translate(' + p[0] + ',' + p[1] + ')');
  g.removeAttribute('display');
  var symbol = document.getElementById('node' + n + 'S');
  symbol.setAttribute('onmouseover', 'SymbolOver(evt,' + n + ')');
  symbol.setAttribute('onmouseout', 'SymbolOut(' + n + ')');
  if (isset(node.famgrp)) {
    symbol.setAttribute('onclick', 'ExpandCollapse(' + n + ')');
    symbol.style.cursor = 'pointer';
  }
  var plus = document.getElementById('node' + n + 'P');
  if (plus) plus.setAttribute('display', Folded(n) ? 'inline' : 'none');
}
function UpdateTree(n) {
  PackNode(n);
  var root = nodes[n], least = 0, most = 0, r;
  for (r = 0; r < rows; r++) least = Math.min(least, root.left[r]);
  for (r = 0; r < rows; r++) most = Math.max(most, root.right[r]);
  PlaceNodes(n, -least);
  var svg = SvgRoot(), extent = most - least + 2 * border;
  if (alignment < 2) svg.setAttribute('width', (extent + offsetx) + 'px');
  else svg.setAttribute('height', (extent + offsety) + 'px');
  nodes.forEach(function (node, k) { UpdateNodePos(k); });
})js";

constexpr std::string_view kLines =
    R"js(function NodePoint(n) { return [nodes[n].x, gens[nodes[n].depth]]; }
function Shown(n) { return isset(n) && nodes[n].placed; }
// A line group's paths (the highlight copy and the line) take the points; none hides it.
function SetLine(id, points, boxes) {
  var g = document.getElementById(id);
  if (!g) return;
  if (!points) {
    g.setAttribute('display', 'none');
    return;
  }
  g.removeAttribute('display');
  var oriented = points.map(Orient), d = Path(oriented);
  var paths = g.getElementsByTagName('path');
  for (var i = 0; i < paths.length; i++) paths[i].setAttribute('d', d);
  var a = oriented[0], b = oriented[oriented.length - 1];
  var ends = a[0] + ',' + a[1] + ',' + b[0] + ',' + b[1];
  paths[0].setAttribute('onmouseover', "LineOver(evt," + ends + ",'" + boxes[0] + "','" + boxes[1] + "')");
  paths[0].setAttribute('onclick', 'LineScroll(evt,' + ends + ')');
}
// The child's line up to the family's anchor, bent at its bend level like the drawn chart.
function ChildPoints(C, A, child, parentrow, spanrow) {
  var s = child.offset || 0, gap = parentrow - 1;
  if (s == 0 || gap < 0 || gap >= gens.length) return [C, A];
  var B = nodes[child.index].depth == gap ? C : [C[0], gens[gap]];
  if (B[1] == A[1]) return [C, A];
  var span = spanrow - nodes[child.index].depth;
  var along = Math.abs(B[1] - A[1]);
  if (Math.abs((B[0] - A[0]) / (B[1] - A[1])) < 0.5) return span == 1 ? [B, A] : [C, B, A];
  var q = sign(A[0] - B[0]) * (Math.abs(A[0] - B[0]) - trunc(along / 2));
  var k = Offsetscale(q / 8) + sign(A[0] - B[0]) * trunc(along / 4);
  var P1 = span == 1 ? [B[0] + trunc(k * Math.abs(s) / along), B[1] + s] : [B[0], B[1] + s];
  var P2 = [A[0] - trunc(k * Math.abs(s + B[1] - A[1]) / along), B[1] + s];
  return [C, P1, P2, A];
}
function MarriageLines(f, fam) {
  var v = fam.vater, m = fam.mutter, F = NodePoint(v), M = NodePoint(m), g = fam.offset || 0;
  var Z = [trunc((F[0] + M[0]) / 2), trunc((F[1] + M[1]) / 2)], A = [Z[0], Z[1] - g];
  if (g != 0) {
    var corner = 3 * symbolwidth;
    SetLine('FL' + f + 'E1', [F, [F[0] + corner * sign(M[0] - F[0]), F[1] - g], A], ['TextP' + v, 'TextP' + m]);
    SetLine('FL' + f + 'E2', [M, [M[0] + corner * sign(F[0] - M[0]), M[1] - g], A], ['TextP' + m, 'TextP' + v]);
  } else {
    SetLine('FL' + f + 'E1', [F, Z], ['TextP' + v, 'TextP' + m]);
    SetLine('FL' + f + 'E2', [M, Z], ['TextP' + m, 'TextP' + v]);
  }
  return A;
}
function UpdateLines() {
  fams.forEach(function (fam, f) {
    var v = fam.vater, m = fam.mutter, hasv = isset(v), hasm = isset(m);
    var hidden = (hasv && !Shown(v)) || (hasm && !Shown(m)), anchor = null;
    if (hasv && hasm && !hidden) anchor = MarriageLines(f, fam);
    else {
      SetLine('FL' + f + 'E1', null);
      SetLine('FL' + f + 'E2', null);
      if (!hidden) anchor = NodePoint(hasv ? v : m);
    }
    var parentrow = Math.min(hasv ? nodes[v].depth : 1e9, hasm ? nodes[m].depth : 1e9);
    var spanrow = hasv ? nodes[v].depth : nodes[m].depth;
    fam.children.forEach(function (child) {
      var id = 'FL' + f + 'K' + child.index;
      if (!anchor || !Shown(child.index)) SetLine(id, null);
      else SetLine(id, ChildPoints(NodePoint(child.index), anchor, child, parentrow, spanrow),
                   ['TextK' + child.index, 'TextE' + f]);
    });
  });
}
function CreateHighlightLine(path) {
  var copy = path.cloneNode(false);
  copy.removeAttribute('id');
  copy.setAttribute('stroke', '#DD0');
  copy.setAttribute('stroke-width', 5);
  copy.setAttribute('stroke-opacity', 0);
  copy.setAttribute('onmouseout', 'LineOut(evt)');
  path.parentNode.insertBefore(copy, path);
  path.setAttribute('pointer-events', 'none');
}
function CreateLines() {
  var groups = document.getElementById('SLines').children;
  for (var i = 0; i < groups.length; i++) {
    var path = groups[i].getElementsByTagName('path')[0];
    if (path) CreateHighlightLine(path);
  }
}
function CreatePlus() {
  var a = Math.max(1, symbolwidth - 3);
  nodes.forEach(function (node, n) {
    var g = document.getElementById('node' + n);
    if (!isset(node.famgrp) || !g) return;
    var d = node.sex == 'U' ? [[0, -1], [0, 1], [-1, 0], [1, 0]][alignment] : [0, 0];
    var plus = document.createElementNS(svgns, 'path');
    plus.setAttribute('id', 'node' + n + 'P');
    plus.setAttribute('d', 'M' + d[0] + ' ' + (d[1] - a) + 'V' + (d[1] + a) +
                      'M' + (d[0] - a) + ' ' + d[1] + 'H' + (d[0] + a));
    plus.setAttribute('stroke', plusstroke);
    plus.setAttribute('stroke-width', 1);
    plus.setAttribute('fill', 'none');
    plus.setAttribute('display', 'none');
    plus.setAttribute('pointer-events', 'none');
    g.appendChild(plus);
    document.getElementById('node' + n + 'S').setAttribute('onmousedown', 'ShowContextMenu(evt,' + n + ')');
  });
}
// Line-hover boxes: a frame as high as the person's label and a caption line, then copies of
// the label's texts.
function CreateHintText() {
  var holder = document.getElementById('TextP');
  nodes.forEach(function (node, n) {
    var g = document.getElementById('node' + n);
    if (!g || !isset(node.sex)) return;
    var box = document.createElementNS(svgns, 'g');
    box.setAttribute('id', 'TextP' + n);
    box.setAttribute('display', 'none');
    var frame = document.createElementNS(svgns, 'rect');
    frame.setAttribute('height', node.texth);
    frame.setAttribute('width', 1);
    frame.setAttribute('fill', '#FFF');
    frame.setAttribute('stroke', SexColor(node.sex));
    frame.setAttribute('stroke-width', 1);
    var caption = document.createElementNS(svgns, 'text');
    caption.setAttribute('x', 2);
    caption.setAttribute('y', 2 + textbaseline);
    caption.setAttribute('font-weight', 'bold');
    var texts = document.createElementNS(svgns, 'g');
    texts.setAttribute('transform', 'translate(-1,' + (lineheight - symbolwidth) + ')');
    for (var c = g.firstElementChild; c; c = c.nextElementSibling)
      if (c.tagName == 'text') texts.appendChild(c.cloneNode(true));
    box.appendChild(frame);
    box.appendChild(caption);
    box.appendChild(texts);
    box.qvFrame = frame;
    box.qvCaption = caption;
    holder.appendChild(box);
  });
})js";

constexpr std::string_view kFolding =
    R"js(// Shows or hides every node of a node's group, and of their groups in turn.
function SetGroup(n, show) {
  var seen = {}, stack = [n];
  seen[n] = true;
  while (stack.length) {
    var group = nodes[stack.pop()].famgrp;
    if (!isset(group)) continue;
    group.forEach(function (m) {
      if (seen[m] || m == wurzel) return;
      seen[m] = true;
      nodes[m].visible = show;
      stack.push(m);
    });
  }
}
// A node is shown when its group shows a node; a shown node then shows all of its parents,
// so that no family is left with one parent.
function ShowNeededNodes() {
  var changed = true;
  while (changed) {
    changed = false;
    nodes.forEach(function (node) {
      var group = node.famgrp;
      if (!isset(group) || !group.some(function (m) { return nodes[m].visible; })) return;
      [node].concat((node.children || []).map(function (k) { return nodes[k]; })).forEach(function (k) {
        if (!k.visible) {
          k.visible = true;
          changed = true;
        }
      });
    });
  }
}
function SymbolScreen(n) {
  var r = document.getElementById('node' + n + 'S').getBoundingClientRect();
  return [r.left, r.top];
}
function Refresh(n) {
  var before = SymbolScreen(n);
  UpdateTree(wurzel);
  UpdateLines();
  SaveToCookie();
  var after = SymbolScreen(n);
  window.scrollBy(after[0] - before[0], after[1] - before[1]);
}
function ExpandCollapse(n) {
  var show = Folded(n);
  SetGroup(n, show);
  if (show) ShowNeededNodes();
  Refresh(n);
}
// Groups whose families have children on more than one line are marriage circles.
function IsCircle(group) {
  var seen = {}, count = 0;
  fams.forEach(function (fam) {
    if (group.indexOf(fam.vater) < 0 && group.indexOf(fam.mutter) < 0) return;
    fam.children.forEach(function (c) {
      if (!seen[c.index]) {
        seen[c.index] = true;
        count++;
      }
    });
  });
  return count > 1;
}
function ShowHeiratsKreise(n) {
  var seen = {}, stack = [n], groups = [];
  seen[n] = true;
  while (stack.length) {
    var k = stack.pop(), group = nodes[k].famgrp;
    if (!isset(group)) continue;
    groups.push(group);
    group.forEach(function (m) {
      if (seen[m] || m == wurzel) return;
      seen[m] = true;
      nodes[m].visible = false;
      stack.push(m);
    });
  }
  groups.forEach(function (group) {
    if (IsCircle(group)) group.forEach(function (m) { nodes[m].visible = true; });
  });
}
function ExpandCollapseHeiratskreise(n) {
  ShowHeiratsKreise(n);
  ShowNeededNodes();
  Refresh(n);
}
function setCookie(name, value, days) {
  var expires = new Date(Date.now() + days * 86400000);
  document.cookie = encodeURIComponent(name) + '=' + value + '; expires=' + expires.toUTCString() + '; SameSite=Lax';
}
function getCookie(name) {
  var key = encodeURIComponent(name) + '=', parts = document.cookie.split(';');
  for (var i = 0; i < parts.length; i++) {
    var part = parts[i].trim();
    if (part.indexOf(key) == 0) return part.substring(key.length);
  }
  return null;
}
// Four nodes to a hexadecimal digit: node k in bit k mod 4 of digit k div 4.
function SaveToCookie() {
  var digits = '';
  for (var k = 0; k < nodes.length; k += 4) {
    var v = 0;
    for (var b = 0; b < 4 && k + b < nodes.length; b++) if (nodes[k + b].visible) v |= 1 << b;
    digits += v.toString(16);
  }
  setCookie(guid, digits, 365);
}
function LoadFromCookie() {
  var digits = getCookie(guid);
  if (!digits || digits.length * 4 < nodes.length || !/^[0-9a-f]*$/.test(digits)) return;
  nodes.forEach(function (node, k) {
    node.visible = ((parseInt(digits.charAt(k >> 2), 16) >> (k & 3)) & 1) == 1;
  });
  nodes[wurzel].visible = true;
}
var menunode = -1;
function ShowContextMenu(evt, n) {
  if (evt.button != 2) return;
  var menu = document.getElementById('ContextMenu');
  SymbolOut(n);
  PlaceBox(menu, ChartX(evt), ChartY(evt));
  menuopen = true;
  menunode = n;
  evt.stopPropagation();
}
function HideContextMenu(evt) {
  if (!menuopen) return;
  var menu = document.getElementById('ContextMenu');
  var onmenu = menu.contains(evt.target);
  menu.setAttribute('display', 'none');
  ContextMenuOut(document.getElementById('ContextMenuRect'));
  menuopen = false;
  if (onmenu && evt.button == 0) ExpandCollapseHeiratskreise(menunode);
}
// Over symbols and the menu the browser's own menu stays closed.
function BlockContextMenu(evt) {
  var t = evt.target;
  if (menuopen || (t && t.id && /^node[0-9]+S$/.test(t.id))) {
    evt.preventDefault();
    return false;
  }
  return true;
})js";

constexpr std::string_view kStartup = R"js(    PrepareNodes();
    CreatePlus(); CreateLines();
    CreateHintText();
    LoadFromCookie();
    UpdateTree(wurzel);
    UpdateLines();
    document.onmousedown=HideContextMenu;
    document.oncontextmenu=BlockContextMenu;)js";

}  // namespace

std::vector<std::string> InteractiveDisplayScript()
{
    return Lines(kDisplay);
}

std::vector<std::string> InteractiveMenuScript()
{
    return Lines(kMenu);
}

std::vector<std::string> InteractiveMainScript()
{
    std::vector<std::string> lines;
    for (std::string_view part : {kLayout, kLines, kFolding, kStartup}) {
        std::vector<std::string> more = Lines(part);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

}  // namespace qv
