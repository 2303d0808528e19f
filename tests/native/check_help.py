#!/usr/bin/env python3
"""Compiles the help sources with chmcmd, unpacks the result with extract_chmLib and checks
what HTML Help will read from it: the pages as written (GBK, declared so), the settings
the viewer opens with, a contents that lists every page, an index, and links that all
resolve, down to the anchor; and that every example code the pages show is a code of
that character or word in Qope's own tables of that edition.

An example is written <span class="wb">王 GGGG</span> (86) or <span class="wb98">…</span>
(98): the item, a blank, the keys typed before the space bar. In a table whose row already
names the item, the item may stand in the title: <span class="wb" title="时">JF</span>.

usage: check_help.py HELP_SOURCE_DIR WORK_DIR QOPE_ROOT
"""
import html.parser
import os
import posixpath
import re
import shutil
import struct
import subprocess
import sys

LCID_CHINESE_PRC = 0x0804  # the viewer decodes contents and index in this code page (936)
EXAMPLE_CLASSES = {'wb': 86, 'wb98': 98}


def read_hhp(text):
    """[OPTIONS] as a dict with lower-case keys, [FILES] as a list."""
    options, files, section = {}, [], None
    for line in text.splitlines():
        line = line.strip()
        if not line or line.startswith(';'):
            continue
        if line.startswith('['):
            section = line.strip('[]').upper()
        elif section == 'FILES':
            files.append(line.replace('\\', '/'))
        elif section == 'OPTIONS' and '=' in line:
            key, value = line.split('=', 1)
            options[key.strip().lower()] = value.strip()
    return options, files


class Page(html.parser.HTMLParser):
    """Links, anchors, title and declared charset of a page; sitemap entries of a .hhc/.hhk."""

    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.links, self.anchors, self.entries = [], set(), []
        self.title, self.charset, self._in_title, self._entry = '', None, False, None
        self.examples, self._example = [], None   # (edition, text) of each example span
        self.feed(text)
        self.close()

    def handle_starttag(self, tag, attrs):
        a = {k: v or '' for k, v in attrs}
        for key in ('href', 'src'):
            if key in a:
                self.links.append(a[key])
        if 'id' in a:
            self.anchors.add(a['id'])
        if tag == 'a' and 'name' in a:
            self.anchors.add(a['name'])
        if tag == 'meta':
            m = re.search(r'charset=([\w-]+)', a.get('content', '') + ' charset=' + a.get('charset', ''))
            self.charset = (m.group(1) if m else '').lower() or self.charset
        if tag == 'title':
            self._in_title = True
        if tag == 'span' and a.get('class') in EXAMPLE_CLASSES:
            self._example = [EXAMPLE_CLASSES[a['class']], a['title'] + ' ' if a.get('title') else '']
        if tag == 'object' and a.get('type', '').lower() == 'text/sitemap':
            self._entry = {}
        if tag == 'param' and self._entry is not None:
            self._entry[a.get('name', '').lower()] = a.get('value', '')

    def handle_endtag(self, tag):
        if tag == 'title':
            self._in_title = False
        if tag == 'span' and self._example is not None:
            self.examples.append(tuple(self._example))
            self._example = None
        if tag == 'object' and self._entry is not None:
            self.entries.append(self._entry)
            self._entry = None

    def handle_data(self, data):
        if self._in_title:
            self.title += data
        if self._example is not None:
            self._example[1] += data


def table_codes(root):
    """edition -> item -> every code the tables give it (full, short and word codes), read
    from data/selectfiles in the layouts the code-table generator writes."""
    sys.path.insert(0, os.path.join(root, 'tools', 'codetables'))
    import make_codetables
    selectfiles, codes = os.path.join(root, 'data', 'selectfiles'), {86: {}, 98: {}}

    def records(name):
        return open(os.path.join(selectfiles, name), 'rb').read().decode('gbk').split('\r\n')

    for row in make_codetables.read_rows():
        if row.layout == 'PAIRED':
            pairs = zip(records(row.code_file), records(row.item_file))
        else:
            pairs = ((r[:row.code_width], r[row.code_width:]) for r in records(row.item_file))
        for code, item in pairs:
            if item.strip():
                codes[row.edition].setdefault(item.strip(), set()).add(code.strip().upper())
    return codes


def check_examples(pages, parsed, codes, errors):
    count = 0
    for page in pages:
        for edition, text in parsed[page].examples:
            count += 1
            m = re.fullmatch(r'\s*(\S+) ([A-Y]{1,4})\s*', text)
            if not m:
                errors.append(f'{page}: example "{text}" is not "item CODE"')
            elif m.group(2) not in codes[edition].get(m.group(1), ()):
                known = ' '.join(sorted(codes[edition].get(m.group(1), ()))) or 'no code'
                errors.append(f'{page}: {m.group(1)} {m.group(2)} is not a {edition} code '
                              f'(the tables: {known})')
    return count


def gbk_text(name, data, errors):
    """The text of a file that must be GBK: it decodes so, and is not UTF-8 (Chinese in
    UTF-8 mostly decodes as GBK too, into other characters)."""
    try:
        text = data.decode('gbk')
    except UnicodeDecodeError as e:
        errors.append(f'{name}: not GBK text ({e})')
        return data.decode('gbk', 'replace')
    if any(b >= 0x80 for b in data):
        try:
            data.decode('utf-8')
            errors.append(f'{name}: UTF-8 text; HTML Help reads it as GBK')
        except UnicodeDecodeError:
            pass
    return text


def system_entries(data):
    """The #SYSTEM file: a version, then entries of (code, length, bytes)."""
    entries, pos = {}, 4
    while pos + 4 <= len(data):
        code, length = struct.unpack_from('<HH', data, pos)
        entries[code] = data[pos + 4:pos + 4 + length]
        pos += 4 + length
    return entries


def c_string(data, offset=0):
    return data[offset:data.index(b'\0', offset)] if b'\0' in data[offset:] else data[offset:]


def main(source, work, root):
    errors = []
    project = open(os.path.join(source, 'qope.hhp'), 'rb').read()
    options, files = read_hhp(gbk_text('qope.hhp', project, errors))
    chm_name = options.get('compiled file', '')
    toc, index = options.get('contents file', ''), options.get('index file', '')
    topic, window = options.get('default topic', ''), options.get('default window', '')

    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    run = subprocess.run(['chmcmd', os.path.join(os.path.abspath(source), 'qope.hhp')],
                         cwd=work, capture_output=True, text=True, errors='replace')
    chm = os.path.join(work, chm_name)
    if run.returncode != 0 or not os.path.isfile(chm):
        sys.exit(f'chmcmd failed ({run.returncode}):\n{run.stdout}{run.stderr}')
    unpacked = os.path.join(work, 'unpacked')
    run = subprocess.run(['extract_chmLib', chm, unpacked], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f'extract_chmLib failed ({run.returncode}):\n{run.stdout}{run.stderr}')

    def stored(name):
        path = os.path.join(unpacked, name)
        return open(path, 'rb').read() if os.path.isfile(path) else None

    # The sources, stored as written and in the encoding HTML Help reads.
    parsed = {}
    for name in files + [toc, index]:
        data = stored(name)
        if data is None:
            errors.append(f'{name}: not in {chm_name}')
            continue
        if data != open(os.path.join(source, name), 'rb').read():
            errors.append(f'{name}: stored differently from the source')
        if not name.endswith(('.htm', '.html', '.hhc', '.hhk')):
            continue    # pictures and the style sheet: stored as they are
        parsed[name] = Page(gbk_text(name, data, errors))
        if parsed[name].charset not in ('gb2312', 'gbk'):
            errors.append(f'{name}: declares charset {parsed[name].charset}, not gb2312')
    pages = sorted(n for n in parsed if n.endswith(('.htm', '.html')))

    def resolve(link, base, where):
        if re.match(r'^[a-z][a-z0-9+.-]*:', link, re.I):
            return  # another protocol: not in the file
        path, _, anchor = link.partition('#')
        target = posixpath.normpath(posixpath.join(posixpath.dirname(base), path)) if path else base
        if target not in parsed and stored(target) is None:
            errors.append(f'{where}: {link} is not in {chm_name}')
        elif anchor and (target not in parsed or anchor not in parsed[target].anchors):
            errors.append(f'{where}: {link} names no anchor of {target}')

    # The settings the viewer opens the file with.
    system = system_entries(stored('#SYSTEM') or b'')
    lcid = struct.unpack_from('<I', system[4])[0] if len(system.get(4, b'')) >= 4 else None
    if lcid != LCID_CHINESE_PRC:
        errors.append(f'#SYSTEM: language {lcid!r}, not 0x804 (Language= of qope.hhp)')
    expected = {0: toc, 1: index, 2: topic, 3: options.get('title', ''), 5: window}
    for code, value in expected.items():
        if c_string(system.get(code, b'')).decode('gbk', 'replace') != value:
            errors.append(f'#SYSTEM: entry {code} is not "{value}"')
    resolve(topic, '', 'default topic')

    # The default window: without it the viewer shows no index; a zero-width pane hides both.
    windows_data, strings = stored('#WINDOWS') or b'', stored('#STRINGS') or b''
    found = False
    if len(windows_data) >= 8:
        count, size = struct.unpack_from('<II', windows_data)
        for i in range(count):
            entry = windows_data[8 + i * size:8 + (i + 1) * size]
            name = c_string(strings, struct.unpack_from('<I', entry, 0x08)[0]).decode('gbk')
            if name != window:
                continue
            found = True
            nav_width = struct.unpack_from('<i', entry, 0x4C)[0]
            toc_of, index_of, file_of = (c_string(strings, off).decode('gbk')
                                         for off in struct.unpack_from('<III', entry, 0x60))
            if (toc_of, index_of, file_of) != (toc, index, topic):
                errors.append(f'window {window}: shows {toc_of}, {index_of}, {file_of}')
            if nav_width <= 0:
                errors.append(f'window {window}: contents pane {nav_width} wide')
    if not found:
        errors.append(f'#WINDOWS: no default window "{window}" (Default Window= of qope.hhp)')

    # Contents and index: named entries whose targets exist; every page in the contents.
    for name in (toc, index):
        entries = parsed[name].entries if name in parsed else []
        if not entries:
            errors.append(f'{name}: no entries')
        for entry in entries:
            if not entry.get('name') or not entry.get('local'):
                errors.append(f'{name}: an entry without a name or a page: {entry}')
            else:
                resolve(entry['local'], '', f'{name} "{entry["name"]}"')
    listed = {e.get('local', '').partition('#')[0] for e in parsed[toc].entries} if toc in parsed else set()
    for page in pages:
        if page not in listed:
            errors.append(f'{page}: not in the contents {toc}')

    # Pages: a title for the viewer's caption, links that resolve, no line broken between
    # two Chinese characters (the browser shows the break as a blank between them).
    wide = '[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]'
    for page in pages:
        text = open(os.path.join(source, page), 'rb').read().decode('gbk', 'replace')
        for m in re.finditer(f'{wide}\r?\n\\s*{wide}', text):
            errors.append(f'{page}: a line break between Chinese characters shows as a blank: '
                          f'{m.group(0)!r}')
        if not parsed[page].title.strip():
            errors.append(f'{page}: no title')
        for link in parsed[page].links:
            resolve(link, page, page)

    examples = check_examples(pages, parsed, table_codes(root), errors)

    for e in errors:
        print('help:', e)
    if errors:
        sys.exit(f'{len(errors)} fault(s) in {chm_name}')
    print(f'help: {chm_name} holds {len(pages)} page(s), {len(parsed[toc].entries)} contents and '
          f'{len(parsed[index].entries)} index entries, all links resolve, '
          f'{examples} example codes match the tables')


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
