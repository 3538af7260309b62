// Writes pinyin.tsv: the toneless reading of every character the name files
// use. Needs the npm package pinyin-pro (npm install pinyin-pro); run with
//   node pinyin_table.js   from this folder.
const fs = require('fs');
const { pinyin } = require('pinyin-pro');
const files = ['combine_sets.txt', 'boys_names.txt', 'girls_names.txt', 'fixed_names.txt'];
const chars = new Set();
for (const f of files) {
  for (const line of fs.readFileSync(f, 'utf8').split('\n')) {
    if (line.startsWith('#')) continue;
    for (const c of line) if (c >= '\u4e00' && c <= '\u9fff') chars.add(c);
  }
}
const sorted = [...chars].sort();
const readings = pinyin(sorted.join(''), { toneType: 'none', type: 'array' });
let out = '# Mandarin reading (toneless) of the characters the lists use.\n';
sorted.forEach((c, i) => { out += `${c}\t${readings[i]}\n`; });
fs.writeFileSync('pinyin.tsv', out);
