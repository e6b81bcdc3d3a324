// The page's accessibility, measured in the page: axe-core's audit (its
// serious and critical findings) and the contrast of every text colour the
// story can show against the story's background.
import fs from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const AXE = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

export async function audit(page) {
  // Evaluated by the browser's debugger, which the page's own
  // Content-Security-Policy does not govern.
  if (!await page.evaluate(() => 'axe' in window)) await page.evaluate(AXE);
  const found = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  return found.violations.filter((finding) => ['serious', 'critical'].includes(finding.impact))
    .map((finding) => `${finding.id}: ${finding.nodes.map((node) => node.target.join(' ')).join(', ')}`);
}

export function colourContrasts(page) {
  return page.evaluate(() => {
    const luminance = (colour) => {
      const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((channel) => {
        const c = Number(channel) / 255;
        return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
      });
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const log = document.getElementById('log');
    const background = luminance(getComputedStyle(document.body).backgroundColor);
    const classes = ['', 'note', 'typed'];
    for (let code = 30; code <= 37; code++) classes.push(`c${code}`, `c${code + 60}`);
    return classes.map((name) => {
      const span = document.createElement('span');
      span.className = name;
      log.append(span);
      const text = luminance(getComputedStyle(span).color);
      span.remove();
      const [light, dark] = text > background ? [text, background] : [background, text];
      return { name, ratio: Math.round(((light + 0.05) / (dark + 0.05)) * 100) / 100 };
    });
  });
}
