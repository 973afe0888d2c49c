<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AlternativesDialog</name>
    <message>
        <source>Alternatives</source>
        <translation>备选方案</translation>
    </message>
    <message>
        <source>The selected option, in bold, is the one the Business Case window, the tables and the report show. To change another option, select it: its investment then stands in the Business Case window&apos;s fields, and its reductions in Assumptions… once that window is closed with OK.</source>
        <translation>以粗体显示的所选方案，即投资效益分析窗口、各表格和报告所显示的方案。若要修改其他方案，请先选择它：其投资随即显示在投资效益分析窗口的字段中，窗口以“确定”关闭后，其降低比例显示在“假设条件…”中。</translation>
    </message>
    <message>
        <source>&amp;Add Option…</source>
        <translation>添加方案(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>重命名(&amp;R)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>删除(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>选择(&amp;S)</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing. Add an option to set others beside it.</source>
        <translation>当前分析只将一个方案与“不采取措施”比较。添加方案即可将其他方案并列比较。</translation>
    </message>
    <message>
        <source>Name of the option:</source>
        <translation>方案名称：</translation>
    </message>
    <message>
        <source>An option needs a name.</source>
        <translation>方案必须有名称。</translation>
    </message>
    <message>
        <source>An option&apos;s name holds at most %1 characters.</source>
        <translation>方案名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>The case already has an option named %1.</source>
        <translation>已有名为 %1 的方案。</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>方案 %1</translation>
    </message>
    <message>
        <source>Add Option</source>
        <translation>添加方案</translation>
    </message>
    <message>
        <source>Rename Option</source>
        <translation>重命名方案</translation>
    </message>
</context>
<context>
    <name>AlternativesText</name>
    <message>
        <source>No system price is given.</source>
        <translation>未填写系统价格。</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>不采取措施</translation>
    </message>
    <message>
        <source>Automatic lubrication</source>
        <translation>自动润滑</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>比较对象</translation>
    </message>
    <message>
        <source>Added outlay</source>
        <translation>追加初始投资</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>增量净现值</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>增量内部收益率</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>方案</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>年节省额</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>初始投资</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>净现值</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>内部收益率</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>回收期</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>硬性节省净现值</translation>
    </message>
    <message>
        <source>No option has a net present value above zero: doing nothing costs least.</source>
        <translation>没有任何方案的净现值大于零：不采取措施的成本最低。</translation>
    </message>
    <message>
        <source>Of the options considered, %1 has the highest net present value, %2.</source>
        <translation>在所比较的方案中，%1 的净现值最高，为 %2。</translation>
    </message>
    <message>
        <source>Each option is set against the next cheaper one: its incremental net present value and rate of return are those of what it costs and saves beyond that one, and its added outlay pays where the incremental net present value is above zero.</source>
        <translation>每个方案都与价格次低的方案比较：其增量净现值和增量内部收益率，按它比该方案多出的成本和节省计算；增量净现值大于零时，追加的初始投资才值得。</translation>
    </message>
    <message>
        <source>The other pages show %1.</source>
        <translation>其他页面显示的是 %1。</translation>
    </message>
    <message>
        <source>%1 is not evaluated: %2</source>
        <translation>%1 未作评估：%2</translation>
    </message>
    <message>
        <source>%1 is evaluated over another period, at another rate or timing than %2, so their flows are not set against each other.</source>
        <translation>%1 的评估期、折现率或现金流时点与 %2 不同，因此不对二者的现金流进行比较。</translation>
    </message>
</context>
<context>
    <name>ArithmeticFault</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除以零</translation>
    </message>
    <message>
        <source>Invalid operation</source>
        <translation>无效运算</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Automatic Lubrication Systems</source>
        <extracomment>tag line under the VELMOR wordmark; about 30 characters fit the Your Data banner at full size</extracomment>
        <translation>自动润滑系统</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems · Cost Savings Calculator</source>
        <extracomment>title band of the main window; a longer title is drawn a little smaller, or on two lines</extracomment>
        <translation>Velmor 自动润滑系统 · 成本节省计算器</translation>
    </message>
    <message>
        <source>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501</source>
        <extracomment>the maker&apos;s postal address in the main window&apos;s footer; keep it, adding the country where readers need it</extracomment>
        <translation>HALDMARK®, Inc. · 1200 Industrial Parkway · Springfield, OH  45501, 美国</translation>
    </message>
    <message>
        <source>Phone %1 · Fax %2 · %3</source>
        <extracomment>main window&apos;s footer: %1 phone number, %2 fax number, %3 web site</extracomment>
        <translation>电话 %1 · 传真 %2 · %3</translation>
    </message>
    <message>
        <source>Centralized lubrication that pays for itself</source>
        <extracomment>slogan in the results&apos; banner; it may take two lines</extracomment>
        <translation>集中润滑，轻松收回投资</translation>
    </message>
    <message>
        <source>Lubrication Systems</source>
        <extracomment>short tag line under the VELMOR wordmark; about 22 characters fit at full size</extracomment>
        <translation>润滑系统</translation>
    </message>
    <message>
        <source>Centralized lubrication systems</source>
        <extracomment>subtitle under the maker&apos;s logotype in the About window</extracomment>
        <translation>集中润滑系统</translation>
    </message>
    <message>
        <source>Engineering tools
for industry
since 1994</source>
        <extracomment>the software designer&apos;s motto in the About window: three short lines, each about 18 characters</extracomment>
        <translation>工程工具
服务工业
始于 1994 年</translation>
    </message>
</context>
<context>
    <name>AssetTableText</name>
    <message>
        <source>Asset</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Failures</source>
        <translation>故障次数</translation>
    </message>
    <message>
        <source>A year</source>
        <translation>每年</translation>
    </message>
    <message>
        <source>Share of all failures</source>
        <translation>占全部故障比例</translation>
    </message>
    <message>
        <source>Median repair hours</source>
        <translation>维修工时中位数</translation>
    </message>
    <message>
        <source>Median downtime hours</source>
        <translation>停机时数中位数</translation>
    </message>
    <message>
        <source>Repeat failures</source>
        <translation>重复故障</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>In the column &quot;Repeat failures&quot;, for an asset that failed three times or more.</extracomment>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>AssumptionsDialog</name>
    <message>
        <source>Assumptions</source>
        <translation>假设条件</translation>
    </message>
    <message>
        <source>How much of each annual cost a Velmor automatic lubrication system is assumed to save, in percent (0 to 100, in tenths):</source>
        <translation>假定 Velmor 自动润滑系统可使每项年度成本降低的百分比（0 至 100，精确到 0.1）：</translation>
    </message>
    <message>
        <source>%1 (%):</source>
        <translation>%1（%）：</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>The reduction of %1 %2 is not a percentage from 0 to 100 with at most one decimal.</source>
        <translation>%1 的降幅 %2 不是 0 至 100 之间、最多一位小数的百分比。</translation>
    </message>
    <message>
        <source>Split the savings into hard (cash the plant no longer pays) and soft</source>
        <translation>将节省分为硬性节省（工厂不再支付的现金）和软性节省</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>现金</translation>
    </message>
    <message>
        <source>e.g. overtime no longer paid</source>
        <translation>例如：不再支付的加班</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to:</source>
        <translation>腾出的润滑工时用于：</translation>
    </message>
    <message>
        <source>How a failure&apos;s stop is valued; empty fields keep the production value per hour over the hours to replace a bearing:</source>
        <translation>故障停机的估值方式；留空则按每小时产值乘以更换轴承的小时数：</translation>
    </message>
    <message>
        <source>Contribution margin (% of the production value)</source>
        <translation>边际贡献（占产值的%）</translation>
    </message>
    <message>
        <source>Lost output made up later (%)</source>
        <translation>事后补回的产量（%）</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>停机期间闲置人数</translation>
    </message>
    <message>
        <source>Their hourly rate (%1/hour)</source>
        <translation>其小时费率（%1/小时）</translation>
    </message>
    <message>
        <source>Stop per failure (hours)</source>
        <translation>每次故障停机（小时）</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A field&apos;s caption before the field.</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>The plant is sold out: every hour lost is revenue lost</source>
        <translation>工厂满负荷销售：每损失一小时即损失收入</translation>
    </message>
    <message>
        <source>The %1 %2 is not a number from 0 to %3.</source>
        <translation>%1 %2 不是 0 到 %3 之间的数字。</translation>
    </message>
</context>
<context>
    <name>BusinessCase</name>
    <message>
        <source>The %1 %2 %3.</source>
        <translation>%1 %2 %3。</translation>
    </message>
    <message>
        <source>installed system price</source>
        <translation>系统安装价格</translation>
    </message>
    <message>
        <source>is not a sum of money</source>
        <translation>不是有效的金额</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>安装费用</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>年维护费用</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>评估期</translation>
    </message>
    <message>
        <source>is not a whole number of years from 1 to 50</source>
        <translation>不是 1 至 50 之间的整年数</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>折现率</translation>
    </message>
    <message>
        <source>is more than %1</source>
        <translation>大于 %1</translation>
    </message>
    <message>
        <source>is not a percentage from %1 to %2</source>
        <translation>不是 %1 到 %2 之间的百分比</translation>
    </message>
    <message>
        <source>An installed system price is needed: without it the installation cost and the annual upkeep are not evaluated.</source>
        <translation>需要系统安装价格：没有它，安装费用和年维护费用不会被评估。</translation>
    </message>
    <message>
        <source>annual escalation of the labor rates</source>
        <translation>人工费率年度涨幅</translation>
    </message>
    <message>
        <source>annual escalation of the lubricant price</source>
        <translation>润滑剂价格年度涨幅</translation>
    </message>
    <message>
        <source>annual escalation of the bearing price</source>
        <translation>轴承价格年度涨幅</translation>
    </message>
    <message>
        <source>annual escalation of the production value</source>
        <translation>产值年度涨幅</translation>
    </message>
    <message>
        <source>annual escalation of the upkeep</source>
        <translation>维护费用年度涨幅</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>所得税税率</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>余额递减折旧率</translation>
    </message>
    <message>
        <source>first-year share of the savings</source>
        <translation>首年节省额比例</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>折旧年限</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>残值</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>不可预见费</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>低于估算的精度</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>高于估算的精度</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>最低收益率</translation>
    </message>
</context>
<context>
    <name>BusinessCaseText</name>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 个月</translation>
    </message>
    <message>
        <source>Initial investment (price and installation): %1</source>
        <translation>初始投资（价格与安装）：%1</translation>
    </message>
    <message>
        <source>Annual upkeep of the system: %1</source>
        <translation>系统年维护费用：%1</translation>
    </message>
    <message>
        <source>Annual savings after upkeep: %1</source>
        <translation>扣除维护费用后的年节省额：%1</translation>
    </message>
    <message>
        <source>Simple payback: %1</source>
        <translation>静态投资回收期：%1</translation>
    </message>
    <message>
        <source>Simple payback: none, the annual savings do not exceed the upkeep</source>
        <translation>静态投资回收期：无，年节省额不超过维护费用</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %1 year(s): none, nothing is invested</source>
        <translation>
            <numerusform>%1 年投资回报率：无，没有投资</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1: %2</source>
        <translation>净现值（折现率 %1）：%2</translation>
    </message>
    <message>
        <source>Internal rate of return: %1</source>
        <translation>内部收益率：%1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows never change sign</source>
        <translation>内部收益率：无，现金流从未改变正负号</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years</source>
        <translation>动态投资回收期：%1 年</translation>
    </message>
    <message numerus="yes">
        <source>Discounted payback: not within the %1 year(s)</source>
        <translation>
            <numerusform>动态投资回收期：%1 年内无法收回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start; the annual net is the annual savings less the annual upkeep, received at the end of each year over the %1 year(s) evaluated. Simple payback = investment ÷ (annual net ÷ 12) months. Return on investment = (savings × years − upkeep × years − investment) ÷ investment. Net present value = −investment + Σ annual net ÷ (1 + rate)^t for t = 1 to %1, at a discount rate of %2. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted annual nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>各项指标的计算方法。投资额为系统价格加安装费用，于期初支付；年净现金流为年节省额减去年维护费用，在评估的 %1 年内于每年年末取得。静态投资回收期 = 投资额 ÷（年净现金流 ÷ 12）个月。投资回报率 =（节省额 × 年数 − 维护费用 × 年数 − 投资额）÷ 投资额。净现值 = −投资额 + Σ 年净现金流 ÷ (1 + 折现率)^t，t = 1 至 %1，折现率为 %2。内部收益率是使净现值为零的折现率。动态投资回收期是折现后的年净现金流累计抵偿投资额所需的时间。保守情形将每项假定降幅减半；乐观情形将每项降幅向 100% 提高一半差距。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not yet paid back</source>
        <translation>尚未收回</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>已收回</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Change of the annual savings ($) at ±%1%</source>
        <translation>变动 ±%1% 时年节省额的变化（$）</translation>
    </message>
    <message>
        <source>Lowered by %1%</source>
        <translation>降低 %1%</translation>
    </message>
    <message>
        <source>Raised by %1%</source>
        <translation>提高 %1%</translation>
    </message>
    <message>
        <source>Bearings in facility</source>
        <translation>工厂轴承数量</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>轴承故障数</translation>
    </message>
    <message>
        <source>Lubrication points</source>
        <translation>润滑点数</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>润滑频次</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>润滑剂用量</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>每小时产值</translation>
    </message>
    <message>
        <source>Cost of lubricant</source>
        <translation>润滑剂价格</translation>
    </message>
    <message>
        <source>Cost of a bearing</source>
        <translation>轴承价格</translation>
    </message>
    <message>
        <source>Lubrication labor rate</source>
        <translation>润滑人工费率</translation>
    </message>
    <message>
        <source>Replacement labor rate</source>
        <translation>更换人工费率</translation>
    </message>
    <message>
        <source>Time to lubricate a point</source>
        <translation>单点润滑时间</translation>
    </message>
    <message>
        <source>Time to replace a bearing</source>
        <translation>轴承更换时间</translation>
    </message>
    <message>
        <source>Lubrication labor reduction (%1%)</source>
        <translation>润滑人工降幅（%1%）</translation>
    </message>
    <message>
        <source>Lubricant reduction (%1%)</source>
        <translation>润滑剂降幅（%1%）</translation>
    </message>
    <message>
        <source>Bearings reduction (%1%)</source>
        <translation>轴承降幅（%1%）</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%1%)</source>
        <translation>更换人工降幅（%1%）</translation>
    </message>
    <message>
        <source>Lost production reduction (%1%)</source>
        <translation>停产损失降幅（%1%）</translation>
    </message>
    <message>
        <source>Conservative</source>
        <translation>保守</translation>
    </message>
    <message>
        <source>Assumed</source>
        <translation>基准情形</translation>
    </message>
    <message>
        <source>Optimistic</source>
        <translation>乐观</translation>
    </message>
    <message>
        <source>Simple payback: none, nothing is invested</source>
        <translation>静态投资回收期：无，未进行投资</translation>
    </message>
    <message>
        <source>Discounted payback: none, nothing is invested</source>
        <translation>动态投资回收期：无，未进行投资</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>%n 年内无法收回</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace)</source>
        <translation>
            <numerusform>静态投资回收期：%n 年评估期内无法收回（按最后一年的速度需 %1 个月）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2 (%3 a year)</source>
        <translation>
            <numerusform>%1 年投资回报率：%2（未折现，每年 %3）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return on investment, undiscounted, over %1 year(s): %2</source>
        <translation>
            <numerusform>%1 年投资回报率：%2（未折现）</numerusform>
        </translation>
    </message>
    <message>
        <source>Profitability index: %1</source>
        <translation>获利指数：%1</translation>
    </message>
    <message>
        <source>Break-even system price: %1</source>
        <translation>盈亏平衡系统价格：%1</translation>
    </message>
    <message>
        <source>The case holds even without any reduction.</source>
        <translation>即使完全没有降幅，该投资仍然可行。</translation>
    </message>
    <message>
        <source>The case holds down to %1 of the assumed reductions.</source>
        <translation>降幅低至假定降幅的 %1 时，该投资仍然可行。</translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even.</source>
        <translation>需要达到假定降幅的 %1 才能盈亏平衡。</translation>
    </message>
    <message>
        <source>Break-even bearing failures: %1 a year</source>
        <translation>盈亏平衡轴承故障数：每年 %1 次</translation>
    </message>
    <message>
        <source>Break-even bearing failures: none, the case holds even without failures</source>
        <translation>盈亏平衡轴承故障数：无，即使没有故障该投资仍然可行</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2 时为 %1</translation>
    </message>
    <message>
        <source>The profitability index is the net present value ÷ investment + 1; the annual return is the one that, compounded over the years, gives the return on investment.</source>
        <translation>获利指数 = 净现值 ÷ 投资 + 1；年化回报率是按年复利累计后等于投资回报率的年回报率。</translation>
    </message>
    <message>
        <source>Cumulative discounted cash flow ($)</source>
        <translation>累计折现现金流（$）</translation>
    </message>
    <message>
        <source>Cumulative cash flow, undiscounted ($)</source>
        <translation>累计现金流，未折现（$）</translation>
    </message>
    <message>
        <source>System price</source>
        <translation>系统价格</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>安装费用</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>年维护费用</translation>
    </message>
    <message>
        <source>Discount rate (%1%)</source>
        <translation>折现率（%1%）</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (%1%)</source>
        <translation>人工费率涨幅（%1%）</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (%1%)</source>
        <translation>润滑剂价格涨幅（%1%）</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (%1%)</source>
        <translation>轴承价格涨幅（%1%）</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (%1%)</source>
        <translation>产值涨幅（%1%）</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (%1%)</source>
        <translation>维护费用涨幅（%1%）</translation>
    </message>
    <message>
        <source>Income tax rate (%1%)</source>
        <translation>所得税税率（%1%）</translation>
    </message>
    <message>
        <source>Change of the net present value ($) at ±%1%</source>
        <translation>净现值变化（$），±%1%</translation>
    </message>
    <message>
        <source>Net present value ($) as the five strongest inputs move</source>
        <translation>五个最强影响因素变化时的净现值（$）</translation>
    </message>
    <message>
        <source>Change of the input (%)</source>
        <translation>输入值变化（%）</translation>
    </message>
    <message>
        <source>never</source>
        <translation>永不收回</translation>
    </message>
    <message numerus="yes">
        <source>Simple payback: not within the %n year(s) evaluated (%1 months at the last year&apos;s pace without its depreciation&apos;s tax credit)</source>
        <translation>
            <numerusform>静态投资回收期：%n 年评估期内无法收回（按最后一年不含折旧抵税的速度需 %1 个月）</numerusform>
        </translation>
    </message>
    <message>
        <source>Simple payback: %1, but the cumulative net is below zero again from year %2</source>
        <translation>静态投资回收期：%1，但累计净现金流自第 %2 年起再次为负</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>静态投资回收期：永不收回，扣除维护费用和税款后的年净现金流无法收回投资</translation>
    </message>
    <message>
        <source>Discounted payback: %1 years, but the discounted cumulative net is below zero again from year %2</source>
        <translation>动态投资回收期：%1 年，但累计折现净现金流自第 %2 年起再次为负</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep and tax do not recover the outlay</source>
        <translation>动态投资回收期：永不收回，扣除维护费用和税款后的年净现金流无法收回投资</translation>
    </message>
    <message>
        <source>Discounted payback: none, the annual savings do not exceed the upkeep</source>
        <translation>动态投资回收期：无，年节省额不超过维护费用</translation>
    </message>
    <message>
        <source>Net of year 1, before tax: %1</source>
        <translation>第 1 年税前净现金流：%1</translation>
    </message>
    <message>
        <source>Break-even system price: none, even a free system has a negative net present value</source>
        <translation>盈亏平衡系统价格：无，即使系统免费，净现值也为负</translation>
    </message>
    <message>
        <source>each year&apos;s savings, upkeep and tax spread over the year and discounted by 1 ÷ (1 + rate)^(t − ½), the residual value at the period&apos;s end by 1 ÷ (1 + rate)^t</source>
        <translation>每年的节省额、维护费用和税款在年内均匀发生，按 1 ÷ (1 + 折现率)^(t − ½) 折现，期末残值按 1 ÷ (1 + 折现率)^t 折现</translation>
    </message>
    <message>
        <source>each year&apos;s net received at the year&apos;s end and discounted by 1 ÷ (1 + rate)^t</source>
        <translation>每年的净现金流于年末取得，按 1 ÷ (1 + 折现率)^t 折现</translation>
    </message>
    <message numerus="yes">
        <source>How the measures are computed. The investment is the system&apos;s price plus its installation, paid at the start. Each year&apos;s net is that year&apos;s savings less its upkeep and tax, and in the last of the %1 year(s) evaluated plus the residual value after tax, as the cash-flow table shows. Simple payback is the months until the cumulative net reaches zero, in proportion within the year that reaches it, and beyond the period at the last year&apos;s pace without its depreciation&apos;s tax credit. Return on investment = (Σ savings − Σ upkeep − Σ tax + residual value after tax − investment) ÷ investment. Net present value = −investment + Σ of the nets at a discount rate of %2, %3. The internal rate of return is the rate at which the net present value is zero. Discounted payback is the time until the discounted nets cover the investment. The conservative case halves every assumed reduction; the optimistic case takes every reduction halfway to 100%.</source>
        <translation>
            <numerusform>各项指标的计算方法。投资额为系统价格加安装费用，于期初支付。每年的净现金流为该年节省额减去该年维护费用和税款，评估的 %1 年中最后一年另加税后残值，如现金流量表所示。静态投资回收期是累计净现金流达到零所需的月数，在达到零的那一年内按比例计算；超出评估期时，按最后一年不含折旧抵税的速度计算。投资回报率 =（Σ 节省额 − Σ 维护费用 − Σ 税款 + 税后残值 − 投资额）÷ 投资额。净现值 = −投资额 + Σ 各年净现金流，折现率为 %2，%3。内部收益率是使净现值为零的折现率。动态投资回收期是折现后的净现金流累计抵偿投资额所需的时间。保守情形将每项假定降幅减半；乐观情形将每项降幅向 100% 提高一半差距。</numerusform>
        </translation>
    </message>
    <message>
        <source>The case needs %1 of the assumed reductions to break even, which no plant reaches: the largest reduction would be %2.</source>
        <translation>该情形需要假定降幅的 %1 才能达到盈亏平衡，任何工厂都无法达到：最大降幅将为 %2。</translation>
    </message>
    <message>
        <source>No break-even reduction or failure count: the savings do not change the net present value.</source>
        <translation>无盈亏平衡降幅或故障次数：节省额不改变净现值。</translation>
    </message>
    <message>
        <source>Simple payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>静态投资回收期：永不收回，扣除维护费用后的年净现金流无法收回投资</translation>
    </message>
    <message>
        <source>Discounted payback: never, the annual nets after upkeep do not recover the outlay</source>
        <translation>动态投资回收期：永不收回，扣除维护费用后的年净现金流无法收回投资</translation>
    </message>
    <message>
        <source>On hard savings alone (%1 in year 1): net present value %2, internal rate of return %3, simple payback %4</source>
        <translation>仅计硬性节省（第 1 年 %1）：净现值 %2，内部收益率 %3，静态投资回收期 %4</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 meets it; the net present value at %1 is %3.</source>
        <translation>对照 %1 的最低收益率：内部收益率 %2 达到要求；按 %1 计的净现值为 %3。</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: the internal rate of return of %2 falls short of it; the net present value at %1 is %3.</source>
        <translation>对照 %1 的最低收益率：内部收益率 %2 未达到要求；按 %1 计的净现值为 %3。</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, but the net present value at %1 is %2, so the case meets it.</source>
        <translation>对照 %1 的最低收益率：没有唯一的收益率，但按 %1 计的净现值为 %2，因此达到要求。</translation>
    </message>
    <message>
        <source>Against the hurdle rate of %1: no single rate of return, and the net present value at %1 is %2, so the case falls short of it.</source>
        <translation>对照 %1 的最低收益率：没有唯一的收益率，且按 %1 计的净现值为 %2，因此未达到要求。</translation>
    </message>
    <message>
        <source>Initial investment (price, installation and %1 contingency): %2</source>
        <translation>初始投资（价格、安装及 %1 不可预见费）：%2</translation>
    </message>
    <message>
        <source>Estimate accuracy %1 / +%2: an outlay of %3 to %4</source>
        <translation>估算精度 %1 / +%2：初始投资 %3 至 %4</translation>
    </message>
    <message>
        <source>The investment includes a contingency of %1 on the price and installation.</source>
        <translation>投资含价格及安装费 %1 的不可预见费。</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start: %1</source>
        <translation>初始投资（含期初一次性项目）：%1</translation>
    </message>
    <message>
        <source>Internal rate of return: none, the cash flows change sign more than once</source>
        <translation>内部收益率：无，现金流多次改变正负号</translation>
    </message>
    <message>
        <source>Net present value at other rates: %1</source>
        <translation>其他折现率下的净现值：%1</translation>
    </message>
</context>
<context>
    <name>BusinessCaseWindow</name>
    <message>
        <source>Business Case</source>
        <translation>投资效益分析</translation>
    </message>
    <message>
        <source>Measures</source>
        <translation>指标</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>情形</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>情形</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>降幅</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>年节省额</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>回收期</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>净现值</translation>
    </message>
    <message>
        <source>Step of the sensitivity (±%):</source>
        <translation>敏感性分析步长（±%）：</translation>
    </message>
    <message>
        <source>Enter the installed system price to see the payback, the return on investment, the net present value and the internal rate of return.</source>
        <translation>请输入系统安装价格，以查看投资回收期、投资回报率、净现值和内部收益率。</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>资本预算</translation>
    </message>
    <message>
        <source>Labor rates&apos; escalation (% a year):</source>
        <translation>人工费率涨幅（%/年）：</translation>
    </message>
    <message>
        <source>Lubricant price&apos;s escalation (% a year):</source>
        <translation>润滑剂价格涨幅（%/年）：</translation>
    </message>
    <message>
        <source>Bearing price&apos;s escalation (% a year):</source>
        <translation>轴承价格涨幅（%/年）：</translation>
    </message>
    <message>
        <source>Production value&apos;s escalation (% a year):</source>
        <translation>产值涨幅（%/年）：</translation>
    </message>
    <message>
        <source>Upkeep&apos;s escalation (% a year):</source>
        <translation>维护费用涨幅（%/年）：</translation>
    </message>
    <message>
        <source>Income tax rate (%):</source>
        <translation>所得税税率（%）：</translation>
    </message>
    <message>
        <source>None</source>
        <translation>不折旧</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>直线折旧</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>余额递减法</translation>
    </message>
    <message>
        <source>Depreciation:</source>
        <translation>折旧：</translation>
    </message>
    <message>
        <source>Depreciation period (years):</source>
        <translation>折旧年限（年）：</translation>
    </message>
    <message>
        <source>Declining-balance rate (%):</source>
        <translation>余额递减折旧率（%）：</translation>
    </message>
    <message>
        <source>Residual value ($):</source>
        <translation>残值（$）：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>First year&apos;s share of the savings (%):</source>
        <translation>首年节省额比例（%）：</translation>
    </message>
    <message>
        <source>At each year&apos;s end</source>
        <translation>每年年末</translation>
    </message>
    <message>
        <source>Spread over the year</source>
        <translation>全年均匀分布</translation>
    </message>
    <message>
        <source>Annual flows fall:</source>
        <translation>年度现金流发生时点：</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>现金流</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>折现</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Sensitivity of:</source>
        <translation>敏感性对象：</translation>
    </message>
    <message>
        <source>Net present value (spider)</source>
        <translation>净现值（蛛网图）</translation>
    </message>
    <message>
        <source>Risk Ranges…</source>
        <translation>风险区间…</translation>
    </message>
    <message>
        <source>Apply Measured Reduction</source>
        <translation>采用实测降低</translation>
    </message>
    <message>
        <source>The failures rose after the installation: the records measure no reduction to apply.</source>
        <translation>安装后故障增加：记录未测得可采用的降低。</translation>
    </message>
    <message>
        <source>The replacement bearings, their labor and the lost production are reduced by the measured %1 already.</source>
        <translation>更换轴承、其人工和停产损失已按实测的 %1 降低。</translation>
    </message>
    <message>
        <source>Reduces the replacement bearings, their labor and the lost production by the measured %1.</source>
        <translation>将更换轴承、其人工和停产损失按实测的 %1 降低。</translation>
    </message>
    <message>
        <source>Contingency on price and installation (%):</source>
        <translation>价格及安装不可预见费（%）：</translation>
    </message>
    <message>
        <source>Estimate accuracy, below (%):</source>
        <translation>估算精度，向下（%）：</translation>
    </message>
    <message>
        <source>Estimate accuracy, above (%):</source>
        <translation>估算精度，向上（%）：</translation>
    </message>
    <message>
        <source>Company&apos;s hurdle rate (%):</source>
        <translation>公司最低收益率（%）：</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items…</source>
        <translation>其他节省与一次性项目…</translation>
    </message>
    <message>
        <source>Alternatives…</source>
        <translation>备选方案…</translation>
    </message>
    <message>
        <source>Alternatives</source>
        <translation>备选方案</translation>
    </message>
    <message>
        <source>The case weighs one option against doing nothing.</source>
        <translation>当前分析只将一个方案与“不采取措施”比较。</translation>
    </message>
</context>
<context>
    <name>CapitalText</name>
    <message>
        <source>Annual escalation from year 2: labor rates %1, lubricant %2, bearings %3, production value %4, upkeep %5.</source>
        <translation>自第 2 年起的年度涨幅：人工费率 %1，润滑剂 %2，轴承 %3，产值 %4，维护费用 %5。</translation>
    </message>
    <message>
        <source>Income tax at %1 on the savings less the upkeep and the depreciation; a year&apos;s loss is credited against the plant&apos;s other profits.</source>
        <translation>所得税税率 %1，按节省额减去维护费用和折旧后计征；某年的亏损可抵减工厂其他利润。</translation>
    </message>
    <message numerus="yes">
        <source>The investment is depreciated straight-line over %n year(s).</source>
        <translation>
            <numerusform>投资按直线法在 %n 年内计提折旧。</numerusform>
        </translation>
    </message>
    <message>
        <source>Before income tax, at today&apos;s prices every year, with the annual flows at each year&apos;s end.</source>
        <translation>税前计算，每年均按当前价格，年度现金流在每年年末发生。</translation>
    </message>
    <message>
        <source>No escalation: every year at today&apos;s prices.</source>
        <translation>无涨幅：每年均按当前价格。</translation>
    </message>
    <message>
        <source>Before income tax.</source>
        <translation>税前计算。</translation>
    </message>
    <message>
        <source>The annual flows are spread over each year and discounted from its middle; the outlay falls at the start, the residual value at the end.</source>
        <translation>年度现金流在全年均匀分布，并按年中折现；投资发生在期初，残值发生在期末。</translation>
    </message>
    <message>
        <source>The annual flows fall at each year&apos;s end.</source>
        <translation>年度现金流在每年年末发生。</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2, taxed on its gain over the book value.</source>
        <translation>第 %2 年年末残值 %1，其高于账面价值的部分需纳税。</translation>
    </message>
    <message>
        <source>A residual value of %1 at the end of year %2.</source>
        <translation>第 %2 年年末残值 %1。</translation>
    </message>
    <message>
        <source>Year 1 reaches %1 of the annual savings while the system is brought in.</source>
        <translation>系统投入使用的第 1 年达到年节省额的 %1。</translation>
    </message>
    <message>
        <source>The investment is not depreciated during the period and is written off at its end, the tax credit on it shown with the residual value.</source>
        <translation>投资在评估期内不计提折旧，在期末一次性核销，相应的抵税额计入残值一栏。</translation>
    </message>
    <message>
        <source>The investment is depreciated by declining balance at %1 of its book value a year; what is left is written off at the period&apos;s end, the tax credit on it shown with the residual value.</source>
        <translation>投资按余额递减法每年以账面价值的 %1 计提折旧；剩余部分在期末核销，相应的抵税额计入残值一栏。</translation>
    </message>
    <message>
        <source>The estimate may be %1 below or %2 above; the measures are computed on the estimate itself.</source>
        <translation>估算可能低 %1 或高 %2；各项指标按估算本身计算。</translation>
    </message>
    <message>
        <source>The company&apos;s hurdle rate is %1. The discount rate of %2 is the plant&apos;s own choice: any premium for the project&apos;s risk is in it as chosen, not added here.</source>
        <translation>公司最低收益率为 %1。%2 的折现率由工厂自行选定：项目风险溢价已按所选包含在内，此处不再另加。</translation>
    </message>
    <message>
        <source>A further saving</source>
        <translation>另一项节省</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, cash.</source>
        <translation>%1：每年 %2，每年涨幅 %3，计为现金。</translation>
    </message>
    <message>
        <source>%1: %2 a year, escalating %3 a year, not cash.</source>
        <translation>%1：每年 %2，每年涨幅 %3，不计为现金。</translation>
    </message>
    <message>
        <source>%1: %2 a year, cash.</source>
        <translation>%1：每年 %2，计为现金。</translation>
    </message>
    <message>
        <source>%1: %2 a year, not cash.</source>
        <translation>%1：每年 %2，不计为现金。</translation>
    </message>
    <message>
        <source>A one-off item</source>
        <translation>一次性项目</translation>
    </message>
    <message>
        <source>%1: %2 in year %3 and every %4 years after, with the upkeep.</source>
        <translation>%1：第 %3 年 %2，此后每 %4 年一次，计入维护费用。</translation>
    </message>
    <message>
        <source>%1: %2 at the start, in the outlay.</source>
        <translation>%1：期初 %2，计入初始投资。</translation>
    </message>
    <message>
        <source>%1: %2 in year %3, with the upkeep.</source>
        <translation>%1：第 %3 年 %2，计入维护费用。</translation>
    </message>
    <message>
        <source>The cost rows and the upkeep at today&apos;s prices every year.</source>
        <translation>成本行和维护费用每年均按当前价格。</translation>
    </message>
    <message>
        <source>A contingency of %1 on the price and installation raises them to %2.</source>
        <translation>价格及安装 %1 的不可预见费使其增至 %2。</translation>
    </message>
</context>
<context>
    <name>CaseItemsDialog</name>
    <message>
        <source>Add Row</source>
        <translation>添加行</translation>
    </message>
    <message>
        <source>Remove Row</source>
        <translation>删除行</translation>
    </message>
    <message>
        <source>Other Savings and One-off Items</source>
        <translation>其他节省与一次性项目</translation>
    </message>
    <message>
        <source>Amount ($)</source>
        <translation>金额（$）</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Amount a year ($)</source>
        <translation>每年金额（$）</translation>
    </message>
    <message>
        <source>Escalation (% a year)</source>
        <translation>年涨幅（%）</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>现金</translation>
    </message>
    <message>
        <source>Annual savings beyond the cost rows, such as work orders no longer raised for routine greasing or waste grease disposal; cash where the plant stops paying them:</source>
        <translation>成本行以外的年度节省，例如不再开具的例行润滑工单或废油脂处置；工厂不再支付的部分计为现金：</translation>
    </message>
    <message>
        <source>Year (0: at the start)</source>
        <translation>年份（0：期初）</translation>
    </message>
    <message>
        <source>Every (years; empty: once)</source>
        <translation>间隔（年；留空：一次）</translation>
    </message>
    <message>
        <source>One-off items: an outlay in a given year, such as a pump replaced every few years; below zero money received, such as a rebate or grant at the start:</source>
        <translation>一次性项目：某一年的支出，例如每隔几年更换一次的泵；低于零表示收到的款项，例如期初的返利或补贴：</translation>
    </message>
    <message>
        <source>The annual saving in row %1 has no amount a year that reads.</source>
        <translation>第 %1 行的年度节省没有可读的年金额。</translation>
    </message>
    <message>
        <source>The escalation of the annual saving in row %1 is not a percentage from %2 to %3.</source>
        <translation>第 %1 行年度节省的涨幅不是 %2 到 %3 之间的百分比。</translation>
    </message>
    <message>
        <source>The one-off item in row %1 has no amount that reads.</source>
        <translation>第 %1 行的一次性项目没有可读的金额。</translation>
    </message>
    <message>
        <source>The year of the one-off item in row %1 is not a whole year from 0 to %2.</source>
        <translation>第 %1 行一次性项目的年份不是 0 到 %2 之间的整数年。</translation>
    </message>
    <message>
        <source>The one-off item in row %1 recurs every 1 to %2 whole years or, left empty, falls once.</source>
        <translation>第 %1 行的一次性项目每 1 到 %2 个整年重复一次，留空则只发生一次。</translation>
    </message>
</context>
<context>
    <name>CashFlowText</name>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>节省额</translation>
    </message>
    <message>
        <source>Upkeep</source>
        <translation>维护费用</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>折旧</translation>
    </message>
    <message>
        <source>Tax</source>
        <translation>税款</translation>
    </message>
    <message>
        <source>Residual value after tax</source>
        <translation>税后残值</translation>
    </message>
    <message>
        <source>Net cash flow</source>
        <translation>净现金流</translation>
    </message>
    <message>
        <source>Discounted</source>
        <translation>折现值</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>累计</translation>
    </message>
    <message>
        <source>Cumulative discounted</source>
        <translation>累计折现值</translation>
    </message>
    <message>
        <source>Residual value and write-off after tax</source>
        <translation>税后残值及核销</translation>
    </message>
</context>
<context>
    <name>ChartControl</name>
    <message>
        <source>Lubrication Labor</source>
        <translation>润滑人工</translation>
    </message>
    <message>
        <source>Lubricant Cost</source>
        <translation>润滑剂成本</translation>
    </message>
    <message>
        <source>Bearing Cost</source>
        <translation>轴承成本</translation>
    </message>
    <message>
        <source>Replacement Labor</source>
        <translation>更换人工</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>停产损失</translation>
    </message>
    <message>
        <source>CURRENT COST</source>
        <translation>当前成本</translation>
    </message>
    <message>
        <source>VELMOR COST</source>
        <translation>VELMOR 成本</translation>
    </message>
    <message>
        <source>SAVINGS</source>
        <translation>节省额</translation>
    </message>
    <message>
        <source>current cost</source>
        <translation>当前成本</translation>
    </message>
    <message>
        <source>Velmor cost</source>
        <translation>Velmor 成本</translation>
    </message>
    <message>
        <source>savings</source>
        <translation>节省额</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN DOLLARS</source>
        <translation>预计年节省额（美元）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>ESTIMATED ANNUAL SAVINGS IN %1</source>
        <translation>预计年节省额（%1）</translation>
    </message>
</context>
<context>
    <name>ClipboardText</name>
    <message>
        <source>Cost</source>
        <translation>成本</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Business case</source>
        <translation>投资效益分析</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Initial investment</source>
        <translation>初始投资</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>静态投资回收期（月）</translation>
    </message>
    <message numerus="yes">
        <source>Return on investment over %n year(s)</source>
        <translation>
            <numerusform>%n 年投资回报率</numerusform>
        </translation>
    </message>
    <message>
        <source>Net present value at %1%</source>
        <translation>净现值（折现率 %1%）</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>内部收益率</translation>
    </message>
    <message numerus="yes">
        <source>not within %n year(s)</source>
        <translation>
            <numerusform>%n 年内无法收回</numerusform>
        </translation>
    </message>
    <message>
        <source>Discounted payback (years)</source>
        <translation>动态投资回收期（年）</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>年化投资回报率</translation>
    </message>
    <message>
        <source>Profitability index</source>
        <translation>获利指数</translation>
    </message>
    <message>
        <source>Break-even system price</source>
        <translation>盈亏平衡系统价格</translation>
    </message>
    <message>
        <source>Break-even share of the assumed reductions</source>
        <translation>盈亏平衡时假定降幅的比例</translation>
    </message>
    <message>
        <source>Break-even bearing failures a year</source>
        <translation>盈亏平衡年轴承故障数</translation>
    </message>
    <message>
        <source>never</source>
        <translation>永不收回</translation>
    </message>
    <message>
        <source>Hard savings in year 1</source>
        <translation>第 1 年硬性节省</translation>
    </message>
    <message>
        <source>Net present value on hard savings alone</source>
        <translation>仅计硬性节省的净现值</translation>
    </message>
    <message>
        <source>Internal rate of return on hard savings alone</source>
        <translation>仅计硬性节省的内部收益率</translation>
    </message>
    <message>
        <source>Simple payback on hard savings alone (months)</source>
        <translation>仅计硬性节省的静态投资回收期（月）</translation>
    </message>
    <message>
        <source>Contingency in it</source>
        <translation>其中不可预见费</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>最低收益率</translation>
    </message>
    <message>
        <source>Net present value at the hurdle rate</source>
        <translation>按最低收益率计的净现值</translation>
    </message>
    <message>
        <source>Meets the hurdle rate</source>
        <translation>达到最低收益率</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>CostRows</name>
    <message>
        <source>The Velmor cost assumes that automatic lubrication cuts %1 and %2.</source>
        <translation>Velmor 成本假定自动润滑可使%1，以及%2。</translation>
    </message>
    <message>
        <source>Manual Labor to Lubricate</source>
        <translation>人工润滑的人工费用</translation>
    </message>
    <message>
        <source>Labor to lubricate (%1% reduction)</source>
        <translation>润滑人工（降低 %1%）</translation>
    </message>
    <message>
        <source>the lubrication labor</source>
        <translation>润滑人工</translation>
    </message>
    <message>
        <source>Grease used for manual lubrication</source>
        <translation>人工润滑消耗的润滑剂</translation>
    </message>
    <message>
        <source>Grease consumption (%1% reduction)</source>
        <translation>润滑剂消耗（降低 %1%）</translation>
    </message>
    <message>
        <source>the lubricant</source>
        <translation>润滑剂消耗</translation>
    </message>
    <message>
        <source>New replacement bearings</source>
        <translation>更换用新轴承</translation>
    </message>
    <message>
        <source>New replacement bearings (%1% reduction)</source>
        <translation>更换用新轴承（降低 %1%）</translation>
    </message>
    <message>
        <source>the replacement bearings</source>
        <translation>更换轴承</translation>
    </message>
    <message>
        <source>Labor to replace failed bearings</source>
        <translation>更换故障轴承的人工</translation>
    </message>
    <message>
        <source>Bearing replacement labor (%1% reduction)</source>
        <translation>轴承更换人工（降低 %1%）</translation>
    </message>
    <message>
        <source>the replacement labor</source>
        <translation>轴承更换人工</translation>
    </message>
    <message>
        <source>Lost Production</source>
        <translation>停产损失</translation>
    </message>
    <message>
        <source>Lost Production (%1% reduction)</source>
        <translation>停产损失（降低 %1%）</translation>
    </message>
    <message>
        <source>the lost production</source>
        <translation>停产损失</translation>
    </message>
    <message>
        <source>Total anual cost of manual lubrication</source>
        <translation>人工润滑年度总成本</translation>
    </message>
    <message>
        <source>Total annual cost using Velmor automatic lubrication</source>
        <translation>采用 Velmor 自动润滑的年度总成本</translation>
    </message>
    <message>
        <source>Total annual savings over manual lubrication costs</source>
        <translation>相比人工润滑的年度总节省额</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1降低 %2</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <source>It is larger than %1 MB.</source>
        <translation>文件大于 %1 MB。</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>它不是文本文件。</translation>
    </message>
    <message>
        <source>A quoted field that begins on line %1 is never closed.</source>
        <translation>从第 %1 行开始的带引号字段没有结束。</translation>
    </message>
    <message>
        <source>It holds no header and no rows.</source>
        <translation>文件没有标题行，也没有数据行。</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header has %3.</source>
        <translation>第 %1 行有 %2 个字段，而标题行有 %3 个。</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; a table is read with at most %3.</source>
        <translation>第 %1 行有 %2 个字段；表格最多读取 %3 个。</translation>
    </message>
    <message>
        <source>No line holds a header of two column names or more.</source>
        <translation>没有任何一行是包含两个或更多列名的标题行。</translation>
    </message>
</context>
<context>
    <name>CurrencyUnits</name>
    <message>
        <source>A currency symbol has at most %1 characters.</source>
        <translation>货币符号最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A currency symbol cannot hold digits, signs, the marks of a figure (. , &apos; %), quotes or invisible characters.</source>
        <translation>货币符号不能包含数字、正负号、数字标记（. , &apos; %）、引号或不可见字符。</translation>
    </message>
</context>
<context>
    <name>CurrencyUnitsDialog</name>
    <message>
        <source>Currency and Units</source>
        <translation>货币和单位</translation>
    </message>
    <message>
        <source>Every money figure is typed and shown in this currency; figures are not converted between currencies.</source>
        <translation>所有金额均以此货币输入和显示；数值不会在货币之间换算。</translation>
    </message>
    <message>
        <source>Currency symbol:</source>
        <translation>货币符号：</translation>
    </message>
    <message>
        <source>A figure shows as:</source>
        <translation>金额显示为：</translation>
    </message>
    <message>
        <source>Imperial (lb)</source>
        <translation>英制（磅）</translation>
    </message>
    <message>
        <source>Metric (kg)</source>
        <translation>公制（kg）</translation>
    </message>
    <message>
        <source>Lubricant weighed in:</source>
        <translation>润滑剂计量单位：</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to kilograms; the results stay the same.</source>
        <translation>润滑剂用量和价格将换算为千克；结果保持不变。</translation>
    </message>
    <message>
        <source>Lubricant quantity and price will be converted to pounds; the results stay the same.</source>
        <translation>润滑剂用量和价格将换算为磅；结果保持不变。</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to kilograms; the %2 holds no number and stays as typed.</source>
        <translation>润滑剂%1将换算为千克；%2不是数字，保持原样。</translation>
    </message>
    <message>
        <source>The lubricant %1 will be converted to pounds; the %2 holds no number and stays as typed.</source>
        <translation>润滑剂%1将换算为磅；%2不是数字，保持原样。</translation>
    </message>
    <message>
        <source>quantity</source>
        <translation>用量</translation>
    </message>
    <message>
        <source>price</source>
        <translation>价格</translation>
    </message>
    <message>
        <source>The lubricant quantity and price hold no numbers and stay as typed.</source>
        <translation>润滑剂用量和价格都不是数字，保持原样。</translation>
    </message>
</context>
<context>
    <name>DocumentHistory</name>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>在“%1”中输入</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>维护记录</translation>
    </message>
    <message>
        <source>Change of the Investment</source>
        <translation>更改投资</translation>
    </message>
    <message>
        <source>Change of the Capital Inputs</source>
        <translation>更改资本预算输入</translation>
    </message>
    <message>
        <source>Change of the Assumptions</source>
        <translation>更改假设条件</translation>
    </message>
    <message>
        <source>Change of the Currency and Units</source>
        <translation>更改货币和单位</translation>
    </message>
    <message>
        <source>Change of the Report Details</source>
        <translation>更改报告详情</translation>
    </message>
    <message>
        <source>Change of the Risk Ranges</source>
        <translation>更改风险区间</translation>
    </message>
    <message>
        <source>Change of the Figures</source>
        <translation>更改数据</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销：%1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做：%1</translation>
    </message>
</context>
<context>
    <name>FacilityFile</name>
    <message>
        <source>Could not open %1. %2</source>
        <translation>无法打开 %1。%2</translation>
    </message>
    <message>
        <source>Could not save %1. %2</source>
        <translation>无法保存 %1。%2</translation>
    </message>
    <message>
        <source>is not valid text</source>
        <translation>不是有效的文本</translation>
    </message>
    <message>
        <source>is longer than a field holds</source>
        <translation>超出了输入框可容纳的长度</translation>
    </message>
    <message>
        <source>The figures were typed in regional settings that are not known here (%1).</source>
        <translation>这些数值是在此处未知的区域设置（%1）下输入的。</translation>
    </message>
    <message>
        <source>The figure for %1 %2.</source>
        <translation>%1 的数值%2。</translation>
    </message>
    <message>
        <source>The figure for %1 holds characters an input field cannot show.</source>
        <translation>%1 的数值包含输入框无法显示的字符。</translation>
    </message>
    <message>
        <source>The report detail %1 %2.</source>
        <translation>报告详情 %1 %2。</translation>
    </message>
    <message>
        <source>The investment&apos;s %1 %2.</source>
        <translation>投资项 %1 %2。</translation>
    </message>
    <message>
        <source>An assumed reduction is not a percentage from 0 to 100 in tenths.</source>
        <translation>某项假定降幅不是 0 至 100 之间、精确到 0.1 的百分比。</translation>
    </message>
    <message>
        <source>The figures are too long for a facility file, which holds at most 64 KiB.</source>
        <translation>这些数据对工厂文件来说太长，工厂文件最多容纳 64 KiB。</translation>
    </message>
    <message>
        <source>The file&apos;s %1 are not valid.</source>
        <translation>文件中的 %1 无效。</translation>
    </message>
    <message>
        <source>The %1 %2 is not a text.</source>
        <translation>%1 %2 不是文本。</translation>
    </message>
    <message>
        <source>The file is larger than 64 KiB, too large for a facility file.</source>
        <translation>文件大于 64 KiB，对工厂文件来说太大。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text.</source>
        <translation>文件不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>The file is not a facility file: it is not JSON (%1 at byte %2).</source>
        <translation>该文件不是工厂文件：它不是 JSON（第 %2 字节处：%1）。</translation>
    </message>
    <message>
        <source>The file holds the key %1 twice.</source>
        <translation>文件中键 %1 出现了两次。</translation>
    </message>
    <message>
        <source>The file is not a facility file.</source>
        <translation>该文件不是工厂文件。</translation>
    </message>
    <message>
        <source>The file has no valid version number.</source>
        <translation>文件没有有效的版本号。</translation>
    </message>
    <message>
        <source>The file was saved by a newer version of this program.</source>
        <translation>该文件由本程序的更新版本保存。</translation>
    </message>
    <message>
        <source>The file does not say in which regional settings its figures were typed.</source>
        <translation>文件未注明其数值是在何种区域设置下输入的。</translation>
    </message>
    <message>
        <source>The file holds no figures.</source>
        <translation>文件中没有数值。</translation>
    </message>
    <message>
        <source>one figure</source>
        <translation>1 个数值</translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation>%1 个数值</translation>
    </message>
    <message>
        <source>The file holds %1 instead of %2.</source>
        <translation>文件包含 %1，而不是 %2 个。</translation>
    </message>
    <message>
        <source>The figure for %1 is not a text.</source>
        <translation>%1 的数值不是文本。</translation>
    </message>
    <message>
        <source>The file&apos;s assumptions are not valid.</source>
        <translation>文件中的假设条件无效。</translation>
    </message>
    <message>
        <source>The assumed reduction %1 is not a percentage from 0 to 100 in tenths.</source>
        <translation>假定降幅 %1 不是 0 至 100 之间、精确到 0.1 的百分比。</translation>
    </message>
    <message>
        <source>Could not open the figures. No file name was given.</source>
        <translation>无法打开数据。未指定文件名。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>Could not save the figures. No file name was given.</source>
        <translation>无法保存数据。未指定文件名。</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>site</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>prepared by</source>
        <translation>编制人</translation>
    </message>
    <message>
        <source>system price</source>
        <translation>系统价格</translation>
    </message>
    <message>
        <source>installation cost</source>
        <translation>安装费用</translation>
    </message>
    <message>
        <source>annual upkeep</source>
        <translation>年维护费用</translation>
    </message>
    <message>
        <source>evaluation period</source>
        <translation>评估期</translation>
    </message>
    <message>
        <source>discount rate</source>
        <translation>折现率</translation>
    </message>
    <message>
        <source>report details</source>
        <translation>报告详情</translation>
    </message>
    <message>
        <source>report detail</source>
        <translation>报告详情</translation>
    </message>
    <message>
        <source>investment details</source>
        <translation>投资详情</translation>
    </message>
    <message>
        <source>investment detail</source>
        <translation>投资项</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid. %2</source>
        <translation>货币符号 %1 无效。%2</translation>
    </message>
    <message>
        <source>The currency symbol %1 is not valid.</source>
        <translation>货币符号 %1 无效。</translation>
    </message>
    <message>
        <source>The file&apos;s currency and units are not valid.</source>
        <translation>文件中的货币和单位无效。</translation>
    </message>
    <message>
        <source>The currency symbol is not a text.</source>
        <translation>货币符号不是文本。</translation>
    </message>
    <message>
        <source>The units are neither &quot;imperial&quot; nor &quot;metric&quot;.</source>
        <translation>单位既不是“imperial”也不是“metric”。</translation>
    </message>
    <message>
        <source>escalation of the labor rates</source>
        <translation>人工费率涨幅</translation>
    </message>
    <message>
        <source>escalation of the lubricant price</source>
        <translation>润滑剂价格涨幅</translation>
    </message>
    <message>
        <source>escalation of the bearing price</source>
        <translation>轴承价格涨幅</translation>
    </message>
    <message>
        <source>escalation of the production value</source>
        <translation>产值涨幅</translation>
    </message>
    <message>
        <source>escalation of the upkeep</source>
        <translation>维护费用涨幅</translation>
    </message>
    <message>
        <source>income tax rate</source>
        <translation>所得税税率</translation>
    </message>
    <message>
        <source>depreciation period</source>
        <translation>折旧年限</translation>
    </message>
    <message>
        <source>declining-balance rate</source>
        <translation>余额递减折旧率</translation>
    </message>
    <message>
        <source>residual value</source>
        <translation>残值</translation>
    </message>
    <message>
        <source>first-year share</source>
        <translation>首年比例</translation>
    </message>
    <message>
        <source>capital inputs</source>
        <translation>资本预算参数</translation>
    </message>
    <message>
        <source>capital input</source>
        <translation>资本预算参数</translation>
    </message>
    <message>
        <source>The capital input %1 %2.</source>
        <translation>资本预算参数 %1 %2。</translation>
    </message>
    <message>
        <source>The capital inputs&apos; choices are not valid.</source>
        <translation>资本预算参数中选择的选项无效。</translation>
    </message>
    <message>
        <source>The depreciation is none of &quot;none&quot;, &quot;straightLine&quot; and &quot;decliningBalance&quot;.</source>
        <translation>折旧方式不是“none”、“straightLine”或“decliningBalance”中的任何一种。</translation>
    </message>
    <message>
        <source>The timing of the cash flows is neither &quot;yearEnd&quot; nor &quot;midYear&quot;.</source>
        <translation>现金流时点既不是“yearEnd”也不是“midYear”。</translation>
    </message>
    <message>
        <source>The file&apos;s work-order records are not valid (%1).</source>
        <translation>文件中的工单记录无效（%1）。</translation>
    </message>
    <message>
        <source>The file&apos;s risk ranges are not valid (%1).</source>
        <translation>文件中的风险区间无效（%1）。</translation>
    </message>
    <message>
        <source>The file&apos;s hard and soft savings are not valid (%1).</source>
        <translation>文件中的硬性和软性节省无效（%1）。</translation>
    </message>
    <message>
        <source>The file&apos;s lost-production rule is not valid (%1).</source>
        <translation>文件中的停产损失规则无效（%1）。</translation>
    </message>
    <message>
        <source>contingency</source>
        <translation>不可预见费</translation>
    </message>
    <message>
        <source>accuracy below the estimate</source>
        <translation>低于估算的精度</translation>
    </message>
    <message>
        <source>accuracy above the estimate</source>
        <translation>高于估算的精度</translation>
    </message>
    <message>
        <source>hurdle rate</source>
        <translation>最低收益率</translation>
    </message>
    <message>
        <source>The file&apos;s options are not valid (%1).</source>
        <translation>文件中的方案无效（%1）。</translation>
    </message>
    <message>
        <source>The file holds more options than the case weighs.</source>
        <translation>文件中的方案数量超过分析可比较的上限。</translation>
    </message>
    <message>
        <source>The option %1: %2</source>
        <translation>方案 %1：%2</translation>
    </message>
    <message>
        <source>The option&apos;s name %1.</source>
        <translation>方案名称%1。</translation>
    </message>
</context>
<context>
    <name>FigureCommands</name>
    <message>
        <source>Facility figures (*.velmor)</source>
        <translation>工厂数据 (*.velmor)</translation>
    </message>
    <message>
        <source>Open Figures…</source>
        <translation>打开数据…</translation>
    </message>
    <message>
        <source>Save Figures</source>
        <translation>保存数据</translation>
    </message>
    <message>
        <source>Save Figures As…</source>
        <translation>数据另存为…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>报告详情…</translation>
    </message>
    <message>
        <source>Assumptions…</source>
        <translation>假设条件…</translation>
    </message>
    <message>
        <source>Business Case…</source>
        <translation>投资效益分析…</translation>
    </message>
    <message>
        <source>Export Report as PDF…</source>
        <translation>将报告导出为 PDF…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>打印报告…</translation>
    </message>
    <message>
        <source>Copy Results</source>
        <translation>复制结果</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before closing?</source>
        <translation>关闭前是否保存对“%1”的更改？</translation>
    </message>
    <message>
        <source>Save the changes to &quot;%1&quot; before opening other figures?</source>
        <translation>打开其他数据前是否保存对“%1”的更改？</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>未保存的更改将会丢失。</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>无法打印报告。</translation>
    </message>
    <message>
        <source>Open Figures</source>
        <translation>打开数据</translation>
    </message>
    <message>
        <source>Facility figures.velmor</source>
        <translation>工厂数据.velmor</translation>
    </message>
    <message>
        <source>Save Figures As</source>
        <translation>数据另存为</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report.pdf</source>
        <translation>润滑成本节省报告.pdf</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings Report.pdf</source>
        <translation>%1 - 润滑成本节省报告.pdf</translation>
    </message>
    <message>
        <source>Export Report as PDF</source>
        <translation>将报告导出为 PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>打印报告</translation>
    </message>
    <message>
        <source>Currency and Units…</source>
        <translation>货币和单位…</translation>
    </message>
    <message>
        <source>Export Workbook…</source>
        <translation>导出工作簿…</translation>
    </message>
    <message>
        <source>Export Workbook</source>
        <translation>导出工作簿</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings.xlsx</source>
        <translation>润滑成本节省.xlsx</translation>
    </message>
    <message>
        <source>%1 - Lubrication Cost Savings.xlsx</source>
        <translation>%1 - 润滑成本节省.xlsx</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Work-order exports (*.csv *.txt *.xlsx)</source>
        <translation>工单导出文件 (*.csv *.txt *.xlsx)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open Maintenance Records…</source>
        <translation>打开维护记录…</translation>
    </message>
    <message>
        <source>Open Maintenance Records</source>
        <translation>打开维护记录</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>未安装打印机。</translation>
    </message>
    <message>
        <source>Export the report as a PDF document instead?</source>
        <translation>是否改为将报告导出为 PDF 文档？</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>%1

The results cannot be computed from these figures. Please check the figures under &quot;Your Data&quot;.</source>
        <translation>%1

无法根据这些数值计算结果。请检查“您的数据”中的数值。</translation>
    </message>
    <message>
        <source>More Information</source>
        <translation>更多信息</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Velmor logo</source>
        <translation>Velmor 标志</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>计算器图标</translation>
    </message>
    <message>
        <source>Velmor banner</source>
        <translation>Velmor 横幅</translation>
    </message>
    <message>
        <source>A lubrication pump and a bearing beside the Velmor logo</source>
        <translation>Velmor 标志旁的润滑泵和轴承</translation>
    </message>
    <message>
        <source>HALDMARK and Velmor banner</source>
        <translation>HALDMARK 和 Velmor 横幅</translation>
    </message>
    <message>
        <source>Lubrication equipment, the HALDMARK logo and the Velmor logo</source>
        <translation>润滑设备、HALDMARK 标志和 Velmor 标志</translation>
    </message>
    <message>
        <source>Savings chart</source>
        <translation>节省额图表</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Facility files, the customer report, copying the results and zoom</source>
        <translation>工厂文件、客户报告、复制结果和缩放</translation>
    </message>
    <message>
        <source>Series Bar Graph</source>
        <translation>分组柱状图</translation>
    </message>
    <message>
        <source>Pie Chart</source>
        <translation>饼图</translation>
    </message>
    <message>
        <source>Line Graph</source>
        <translation>折线图</translation>
    </message>
    <message>
        <source>Area Graph</source>
        <translation>面积图</translation>
    </message>
    <message>
        <source>Step Graph</source>
        <translation>阶梯图</translation>
    </message>
    <message>
        <source>Stacked Bar Graph</source>
        <translation>堆叠柱状图</translation>
    </message>
    <message>
        <source>Velmor Automatic Lubrication Systems</source>
        <translation>Velmor 自动润滑系统</translation>
    </message>
    <message>
        <source>About Velmor</source>
        <translation>关于 Velmor</translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation>您的数据</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>This calculator will provide you with an estimated cost comparison between your existing lubrication method and a VELMOR® Centralized Lubrication System by HALDMARK® Inc.</source>
        <translation>本计算器将为您估算并比较现有润滑方式与 HALDMARK® Inc. 的 VELMOR® 集中润滑系统之间的成本。</translation>
    </message>
    <message>
        <source>To calculate costs particular to your facility, enter the required data in the data fields found under the &quot;Your Data&quot; tab above.</source>
        <translation>要计算贵工厂的具体成本，请在上方“您的数据”选项卡的各数据栏中输入所需数据。</translation>
    </message>
    <message>
        <source>Once your data are properly entered, you can review the effect of using a VELMOR Centralized Lubrication System under the &quot;Velmor Cost&quot; tab and the savings that can be realized under the &quot;Savings&quot; tab. A comparison of the results can be reviewed in graphical format under the &quot;Graph&quot; tab above.</source>
        <translation>正确输入数据后，您可以在“Velmor 成本”选项卡中查看采用 VELMOR 集中润滑系统的效果，并在“节省额”选项卡中查看可实现的节省。还可以在上方“图表”选项卡中以图形方式比较各项结果。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>About HALDMARK®</source>
        <translation>关于 HALDMARK®</translation>
    </message>
    <message>
        <source>Software Design</source>
        <translation>软件设计</translation>
    </message>
    <message>
        <source>HALDMARK banner</source>
        <translation>HALDMARK 横幅</translation>
    </message>
    <message>
        <source>Corvane Software logo</source>
        <translation>Corvane Software 标志</translation>
    </message>
    <message>
        <source>Calculator icon</source>
        <translation>计算器图标</translation>
    </message>
    <message>
        <source>Phone: </source>
        <translation>电话：</translation>
    </message>
    <message>
        <source>Fax: </source>
        <translation>传真：</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>电子邮件：</translation>
    </message>
    <message>
        <source>WWW: </source>
        <translation>网址：</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>The figures</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Keeping, printing and sharing the figures</source>
        <translation>保存、打印和共享数据</translation>
    </message>
    <message>
        <source>How the figures are computed</source>
        <translation>数值的计算方法</translation>
    </message>
    <message>
        <source>The business case</source>
        <translation>投资效益分析</translation>
    </message>
    <message>
        <source>Maintenance records and the risk range</source>
        <translation>维护记录与风险区间</translation>
    </message>
    <message>
        <source>Glossary of the translations</source>
        <translation>译名表</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1（%2）：%3。</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>FACILITY PARTICULARS</source>
        <translation>工厂概况</translation>
    </message>
    <message>
        <source>Number of bearings in facility</source>
        <translation>工厂轴承数量</translation>
    </message>
    <message>
        <source> total</source>
        <translation> 个</translation>
    </message>
    <message>
        <source>bearings installed in the facility</source>
        <translation>工厂中安装的轴承</translation>
    </message>
    <message>
        <source>Number of bearing failures</source>
        <translation>轴承故障次数</translation>
    </message>
    <message>
        <source> per year</source>
        <translation> 次/年</translation>
    </message>
    <message>
        <source>bearings that fail per year</source>
        <translation>每年发生故障的轴承</translation>
    </message>
    <message>
        <source>Number of lubrication points</source>
        <translation>润滑点数量</translation>
    </message>
    <message>
        <source>points lubricated by hand</source>
        <translation>人工润滑的润滑点</translation>
    </message>
    <message>
        <source>Lubrication frequency</source>
        <translation>润滑频次</translation>
    </message>
    <message>
        <source> per month</source>
        <translation> 次/月</translation>
    </message>
    <message>
        <source>times each point is lubricated per month</source>
        <translation>每个润滑点每月润滑的次数</translation>
    </message>
    <message>
        <source>Lubricant quantity</source>
        <translation>润滑剂用量</translation>
    </message>
    <message>
        <source> lbs/year</source>
        <translation> 磅/年</translation>
    </message>
    <message>
        <source>pounds of lubricant used per year</source>
        <translation>每年使用的润滑剂磅数</translation>
    </message>
    <message>
        <source>Hourly production rate</source>
        <translation>每小时产值</translation>
    </message>
    <message>
        <source> $/hour</source>
        <translation> $/小时</translation>
    </message>
    <message>
        <source>value of production lost per hour of stoppage</source>
        <translation>每停产一小时损失的产值</translation>
    </message>
    <message>
        <source>MATERIAL COST (Average)</source>
        <translation>材料成本（平均）</translation>
    </message>
    <message>
        <source>Cost of Lubricant</source>
        <translation>润滑剂价格</translation>
    </message>
    <message>
        <source> $/lb.</source>
        <translation> $/磅</translation>
    </message>
    <message>
        <source>price of lubricant per pound</source>
        <translation>每磅润滑剂的价格</translation>
    </message>
    <message>
        <source>Cost of Replacement Bearing</source>
        <translation>更换轴承价格</translation>
    </message>
    <message>
        <source> $/each</source>
        <translation> $/个</translation>
    </message>
    <message>
        <source>price of one replacement bearing</source>
        <translation>一个更换轴承的价格</translation>
    </message>
    <message>
        <source>LABOR COST (Average)</source>
        <translation>人工成本（平均）</translation>
    </message>
    <message>
        <source>Lubrication </source>
        <translation>润滑 </translation>
    </message>
    <message>
        <source>hourly labor rate for lubricating</source>
        <translation>润滑作业的小时人工费率</translation>
    </message>
    <message>
        <source>Bearing Replacement</source>
        <translation>轴承更换</translation>
    </message>
    <message>
        <source>hourly labor rate for replacing bearings</source>
        <translation>更换轴承的小时人工费率</translation>
    </message>
    <message>
        <source>TIME (Average)</source>
        <translation>时间（平均）</translation>
    </message>
    <message>
        <source>Lubricate a single point</source>
        <translation>润滑单个点</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>minutes to lubricate one point once</source>
        <translation>润滑一个点一次所需的分钟数</translation>
    </message>
    <message>
        <source>Replace a bearing</source>
        <translation>更换单个轴承</translation>
    </message>
    <message>
        <source> hours</source>
        <translation> 小时</translation>
    </message>
    <message>
        <source>hours to replace one failed bearing (and stoppage per failure)</source>
        <translation>更换一个故障轴承所需的小时数（即每次故障的停产时间）</translation>
    </message>
    <message>
        <source> kg/year</source>
        <translation> kg/年</translation>
    </message>
    <message>
        <source> $/kg</source>
        <translation> $/kg</translation>
    </message>
    <message>
        <source>The figure for “%1” is not a number.</source>
        <translation>“%1”的数值不是数字。</translation>
    </message>
    <message>
        <source>It reads %1.</source>
        <translation>其内容为 %1。</translation>
    </message>
    <message>
        <source>bearings</source>
        <translation>轴承数</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>故障次数</translation>
    </message>
    <message>
        <source>points</source>
        <translation>润滑点数</translation>
    </message>
    <message>
        <source>times per month</source>
        <translation>每月次数</translation>
    </message>
    <message>
        <source>lbs. per year</source>
        <translation>每年磅数</translation>
    </message>
    <message>
        <source>production value per hour</source>
        <translation>每小时产值</translation>
    </message>
    <message>
        <source>price per lb.</source>
        <translation>每磅价格</translation>
    </message>
    <message>
        <source>bearing price</source>
        <translation>轴承价格</translation>
    </message>
    <message>
        <source>labor rate</source>
        <translation>人工费率</translation>
    </message>
    <message>
        <source>minutes per point</source>
        <translation>每点分钟数</translation>
    </message>
    <message>
        <source>hours per replacement</source>
        <translation>每次更换小时数</translation>
    </message>
    <message>
        <source>price per kg</source>
        <translation>每千克价格</translation>
    </message>
    <message>
        <source>kg per year</source>
        <translation>每年千克数</translation>
    </message>
    <message>
        <source>price of lubricant per kilogram</source>
        <translation>每千克润滑剂的价格</translation>
    </message>
    <message>
        <source>kilograms of lubricant used per year</source>
        <translation>每年使用的润滑剂千克数</translation>
    </message>
</context>
<context>
    <name>InvestmentFields</name>
    <message>
        <source>Investment</source>
        <translation>投资</translation>
    </message>
    <message>
        <source>Installed system price ($):</source>
        <translation>系统安装价格（$）：</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>可选</translation>
    </message>
    <message>
        <source>Installation cost ($):</source>
        <translation>安装费用（$）：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Annual upkeep of the system ($):</source>
        <translation>系统年维护费用（$）：</translation>
    </message>
    <message>
        <source>Evaluation period (years):</source>
        <translation>评估期（年）：</translation>
    </message>
    <message>
        <source>Discount rate (%):</source>
        <translation>折现率（%）：</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>The settings file %1 is not a regular file; it is ignored, and the settings are the defaults.</source>
        <translation>设置文件 %1 不是普通文件；已忽略该文件，使用默认设置。</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>The calculator will be shown in the chosen language the next time it is started.</source>
        <translation>下次启动时，计算器将以所选语言显示。</translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>, </source>
        <comment>between the items of a list in running text, with any blank</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences of a paragraph, one after the other</comment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>LostProductionText</name>
    <message>
        <source>margin %</source>
        <translation>边际贡献%</translation>
    </message>
    <message>
        <source>made up %</source>
        <translation>补回%</translation>
    </message>
    <message>
        <source>idle crew</source>
        <translation>闲置人数</translation>
    </message>
    <message>
        <source>their rate</source>
        <translation>其费率</translation>
    </message>
    <message>
        <source>stop hours</source>
        <translation>停机小时</translation>
    </message>
    <message>
        <source>The plant is sold out: a lost hour is valued at the whole production value.</source>
        <translation>工厂满负荷销售：损失的一小时按全部产值计。</translation>
    </message>
    <message>
        <source>A lost hour is valued at its contribution margin, %1 of the production value.</source>
        <translation>损失的一小时按其边际贡献计，即产值的 %1。</translation>
    </message>
    <message>
        <source>%1 of the lost output is made up later and not counted as lost.</source>
        <translation>损失产量的 %1 事后补回，不计为损失。</translation>
    </message>
    <message numerus="yes">
        <source>A failure stops production for %1 hour(s); the labor to replace the bearing is counted over the hours to replace it.</source>
        <translation>
            <numerusform>一次故障使生产停止 %1 小时；更换轴承的人工仍按更换所需小时计。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 people stand idle during a stop, at %2 an hour each.</source>
        <translation>停机期间有 %1 人闲置，每人每小时 %2。</translation>
    </message>
</context>
<context>
    <name>MatchedOrdersModel</name>
    <message>
        <source>Counted</source>
        <translation>计入</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Asset</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Work type</source>
        <translation>工作类型</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
</context>
<context>
    <name>MoneyScale</name>
    <message>
        <source>%1 billions</source>
        <comment>a chart&apos;s money in billions of the currency %1</comment>
        <translation>十亿%1</translation>
    </message>
    <message>
        <source>%1 millions</source>
        <comment>a chart&apos;s money in millions of the currency %1</comment>
        <translation>百万%1</translation>
    </message>
    <message>
        <source>%1 thousands</source>
        <comment>a chart&apos;s money in thousands of the currency %1</comment>
        <translation>千%1</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Open Recent</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>没有最近打开的文件</translation>
    </message>
    <message>
        <source>Remove Missing Files</source>
        <translation>移除缺失的文件</translation>
    </message>
    <message>
        <source>Clear Recent</source>
        <translation>清除列表</translation>
    </message>
</context>
<context>
    <name>RecordsChoiceText</name>
    <message>
        <source>At most %1 words can mark a bearing failure.</source>
        <translation>最多可用 %1 个词语标识轴承故障。</translation>
    </message>
    <message>
        <source>A word that marks a bearing failure is longer than %1 characters.</source>
        <translation>标识轴承故障的某个词语超过 %1 个字符。</translation>
    </message>
    <message>
        <source>The hours on line %1 are below zero.</source>
        <translation>第 %1 行的工时小于零。</translation>
    </message>
    <message>
        <source>At most %1 work types can mark a failure.</source>
        <translation>最多只能有 %1 种工单类型表示故障。</translation>
    </message>
    <message>
        <source>The period of the records needs a start before its end.</source>
        <translation>记录期间的开始日期须早于结束日期。</translation>
    </message>
    <message>
        <source>Repeat orders are those within 0 to %1 days of each other.</source>
        <translation>重复工单是彼此相隔 0 至 %1 天的工单。</translation>
    </message>
    <message>
        <source>At most %1 orders can be left out by hand.</source>
        <translation>最多可手动排除 %1 个工单。</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Asset:</source>
        <translation>设备：</translation>
    </message>
    <message>
        <source>Work type or cause:</source>
        <translation>工作类型或原因：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>描述：</translation>
    </message>
    <message>
        <source>Repair hours:</source>
        <translation>维修工时：</translation>
    </message>
    <message>
        <source>Downtime hours:</source>
        <translation>停机时间（小时）：</translation>
    </message>
    <message>
        <source>Maintenance Records</source>
        <translation>维护记录</translation>
    </message>
    <message>
        <source>Choose which column of %1 holds what, and which work orders count as bearing failures. What the records come to is shown below as you choose.</source>
        <translation>请选择 %1 中各列的内容，以及哪些工单计为轴承故障。记录的结果随选择实时显示在下方。</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Sheet:</source>
        <translation>工作表：</translation>
    </message>
    <message>
        <source>Day first (31/12/2024)</source>
        <translation>日在前（31/12/2024）</translation>
    </message>
    <message>
        <source>Month first (12/31/2024)</source>
        <translation>月在前（12/31/2024）</translation>
    </message>
    <message>
        <source>Order of the dates:</source>
        <translation>日期顺序：</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>轴承故障</translation>
    </message>
    <message>
        <source>Work orders whose work type or description contains one of these words, separated by commas:</source>
        <translation>工作类型或描述中包含下列任一词语的工单，词语之间用逗号分隔：</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>记录结果</translation>
    </message>
    <message>
        <source>Apply to Figures</source>
        <translation>应用到数据</translation>
    </message>
    <message>
        <source>Keep as Evidence</source>
        <translation>仅作为依据保留</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Bearing failures: %1 of %2 work orders.</source>
        <translation>轴承故障：%2 张工单中的 %1 张。</translation>
    </message>
    <message>
        <source>Work types of corrective or breakdown orders, the only ones that can be failures:</source>
        <translation>纠正性或故障抢修工单的类型（只有这些工单才可能是故障）：</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Columns and Failures</source>
        <translation>列与故障</translation>
    </message>
    <message>
        <source>The failures a year are counted over the period the export covers: from its first order to its last, unless you give the months you exported.</source>
        <translation>每年故障次数按导出文件覆盖的期间计算：从第一张工单到最后一张，除非您指定导出的月份。</translation>
    </message>
    <message>
        <source>The export covers a given period</source>
        <translation>导出文件覆盖指定期间</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>至：</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 天</translation>
    </message>
    <message>
        <source>Orders on one asset within this gap are one failure:</source>
        <translation>同一设备在此间隔内的工单算作一次故障：</translation>
    </message>
    <message>
        <source>The system was installed on:</source>
        <translation>系统安装日期：</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期间</translation>
    </message>
    <message>
        <source>Clear an order that is no bearing failure to leave it out.</source>
        <translation>取消勾选不属于轴承故障的工单即可将其排除。</translation>
    </message>
    <message>
        <source>Assets</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>The export names no asset of a failure.</source>
        <translation>导出文件未注明任何故障的设备。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln order(s) matched, %1 left out by hand.</source>
        <translation>
            <numerusform>匹配 %Ln 个工单，手动排除 %1 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>Matched Orders (%1)</source>
        <translation>匹配的工单（%1）</translation>
    </message>
    <message>
        <source>Value lost production over the mean downtime, not the repair hours</source>
        <translation>按平均停机时间而非维修工时计算停产损失</translation>
    </message>
</context>
<context>
    <name>RecordsExport</name>
    <message>
        <source>Could not read the records of %1. %2</source>
        <translation>无法读取 %1 中的记录。%2</translation>
    </message>
</context>
<context>
    <name>RecordsRequestText</name>
    <message>
        <source>%1 is no column=name; the columns are %2</source>
        <translation>%1 不是“列=名称”的形式；可用的列为 %2</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>标题行中没有列 %1。</translation>
    </message>
    <message>
        <source>%1 is no period such as 2023-01-01:2024-12-31</source>
        <translation>%1 不是 2023-01-01:2024-12-31 这样的期间</translation>
    </message>
    <message>
        <source>the period %1 ends before it begins</source>
        <translation>期间 %1 的结束早于开始</translation>
    </message>
</context>
<context>
    <name>RecordsSheetText</name>
    <message>
        <source>Maintenance records</source>
        <translation>维护记录</translation>
    </message>
    <message>
        <source>Years of the records</source>
        <translation>记录年数</translation>
    </message>
    <message>
        <source>Repeat failures from</source>
        <translation>重复故障起点</translation>
    </message>
    <message>
        <source>failures of one asset</source>
        <translation>次（同一设备故障）</translation>
    </message>
    <message>
        <source>What the records come to</source>
        <translation>记录结果</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, low</source>
        <translation>安装后故障所占比例，下限</translation>
    </message>
    <message>
        <source>Share of the failures after the installation, high</source>
        <translation>安装后故障所占比例，上限</translation>
    </message>
    <message>
        <source>Confidence of the intervals</source>
        <translation>区间置信度</translation>
    </message>
</context>
<context>
    <name>RecordsText</name>
    <message>
        <source>It is not a workbook, or it is damaged.</source>
        <translation>它不是工作簿，或已损坏。</translation>
    </message>
    <message>
        <source>The workbook has no sheet %1.</source>
        <translation>工作簿没有第 %1 个工作表。</translation>
    </message>
    <message>
        <source>Row %1 of the sheet is damaged.</source>
        <translation>工作表第 %1 行已损坏。</translation>
    </message>
    <message>
        <source>The sheet holds no header and no rows.</source>
        <translation>工作表没有标题行，也没有数据行。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) from %1 to %2: %3 a year, %4 between %5 and %6</source>
        <translation>
            <numerusform>%1 至 %2 共 %Ln 次轴承故障：每年 %3 次，%4 区间为 %5 至 %6</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bearing failure(s) on %1, too short a time for a rate a year</source>
        <translation>
            <numerusform>%1 当天共 %Ln 次轴承故障，时间太短，无法得出年故障率</numerusform>
        </translation>
    </message>
    <message>
        <source>Hours to replace a bearing: median %1, 10th to 90th percentile %2 to %3</source>
        <translation>更换一个轴承的工时：中位数 %1，第 10 至第 90 百分位 %2 至 %3</translation>
    </message>
    <message>
        <source>Downtime per failure: median %1 hours</source>
        <translation>每次故障停机：中位数 %1 小时</translation>
    </message>
    <message numerus="yes">
        <source>From %Ln work order(s) in %1</source>
        <translation>
            <numerusform>来自 %1 中的 %Ln 张工单</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln repeated row(s) counted once</source>
        <translation>
            <numerusform>，%Ln 行重复记录只计一次</numerusform>
        </translation>
    </message>
    <message>
        <source> (SHA-256 %1…)</source>
        <translation>（SHA-256 %1…）</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln row(s) without a date left out</source>
        <translation>
            <numerusform>，%Ln 行无日期，未计入</numerusform>
        </translation>
    </message>
    <message>
        <source>Its part %1 unpacks to far more than a workbook of its size holds.</source>
        <translation>其部件 %1 解压后远大于这种大小的工作簿所能包含的内容。</translation>
    </message>
    <message>
        <source>Its part %1 is damaged.</source>
        <translation>其部件 %1 已损坏。</translation>
    </message>
    <message>
        <source>Its part %1 declares entities, which no workbook does.</source>
        <translation>其部件 %1 声明了实体，而工作簿从不这样做。</translation>
    </message>
    <message>
        <source>Its texts are longer than %1 characters.</source>
        <translation>其文本超过 %1 个字符。</translation>
    </message>
    <message>
        <source>Row %1 of the sheet lies beyond the last row a workbook can have.</source>
        <translation>工作表第 %1 行超出了工作簿所能拥有的最后一行。</translation>
    </message>
    <message>
        <source>The cell %1 lies beyond the last column or row a workbook can have.</source>
        <translation>单元格 %1 超出了工作簿所能拥有的最后一列或最后一行。</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has more cells than a workbook row can.</source>
        <translation>工作表第 %1 行的单元格多于工作簿一行所能容纳的数量。</translation>
    </message>
    <message>
        <source>A cell of row %1 holds more than %2 characters, more than a workbook cell can.</source>
        <translation>第 %1 行的一个单元格包含超过 %2 个字符，超出了工作簿单元格的容量。</translation>
    </message>
    <message>
        <source>The cell %1 names a shared string the workbook does not hold.</source>
        <translation>单元格 %1 引用了工作簿中不存在的共享字符串。</translation>
    </message>
    <message>
        <source>The sheet holds more than %1 cells.</source>
        <translation>工作表包含超过 %1 个单元格。</translation>
    </message>
    <message>
        <source>No bearing failures found: no work order&apos;s type or description holds %1.</source>
        <translation>未发现轴承故障：没有任何工单的类型或描述包含 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Failures counted among the %Ln order(s) of type %1</source>
        <translation>
            <numerusform>故障只在 %Ln 张类型为 %1 的工单中计数</numerusform>
        </translation>
    </message>
    <message>
        <source>The export has no work-type column: every order was searched for the words</source>
        <translation>导出文件没有工单类型列：已在每张工单中查找这些词</translation>
    </message>
    <message>
        <source>No bearing failures found: no work type is chosen as corrective or breakdown.</source>
        <translation>未发现轴承故障：没有选择任何工单类型作为纠正性或故障抢修。</translation>
    </message>
    <message>
        <source>Hours to replace a bearing: mean %1, median %2, 10th to 90th percentile %3 to %4</source>
        <translation>更换一个轴承的工时：平均值 %1，中位数 %2，第 10 至第 90 百分位 %3 至 %4</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln failure order(s), repeats on one asset within %1 days counted as one</source>
        <translation>
            <numerusform>，%Ln 张故障工单，同一设备 %1 天内的重复工单计为一次</numerusform>
        </translation>
    </message>
    <message>
        <source>No trend in the failures (Laplace U = %1, p = %2): the average rate is used</source>
        <translation>故障无趋势（Laplace U = %1，p = %2）：采用平均故障率</translation>
    </message>
    <message>
        <source>Failures rising (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>故障呈上升趋势（β = %1，p = %2）：采用记录末期的故障率，每年 %3 次</translation>
    </message>
    <message>
        <source>Failures falling (β = %1, p = %2): the rate at the end of the records, %3 a year, is used</source>
        <translation>故障呈下降趋势（β = %1，p = %2）：采用记录末期的故障率，每年 %3 次</translation>
    </message>
    <message>
        <source>%1 %2 (%3, repeat failures)</source>
        <translation>%1 %2 次（%3，重复故障）</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 次（%3）</translation>
    </message>
    <message>
        <source>Most failures: %1</source>
        <translation>故障最多：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %Ln failure(s), %2 a year, %3 of all failures</source>
        <translation>
            <numerusform>%1：%Ln 次故障，每年 %2 次，占全部故障的 %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, median repair %1 hours</source>
        <translation>，维修工时中位数 %1 小时</translation>
    </message>
    <message>
        <source>, repeat failures</source>
        <translation>，重复故障</translation>
    </message>
    <message>
        <source>The period is the one given for the export</source>
        <translation>期间为导出文件指定的期间</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last; it ends on a failure, so the rate counts one failure fewer</source>
        <translation>期间从导出文件的第一张工单到最后一张；期间止于一次故障，因此故障率少计一次故障</translation>
    </message>
    <message>
        <source>The period runs from the export&apos;s first order to its last</source>
        <translation>期间从导出文件的第一张工单到最后一张</translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) outside the period left out</source>
        <translation>
            <numerusform>，排除期间以外的 %Ln 个工单</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %Ln order(s) left out by hand</source>
        <translation>
            <numerusform>，手动排除 %Ln 个工单</numerusform>
        </translation>
    </message>
    <message>
        <source>Failures before %1: %2 in %3 years; after: %4 in %5 years; measured: %6, %7</source>
        <translation>%1 之前故障：%3 年 %2 次；之后：%5 年 %4 次；实测：%6，%7</translation>
    </message>
    <message numerus="yes">
        <source>the gamma posterior (Jeffreys prior) of %Ln failure(s) counted in %1 years</source>
        <translation>
            <numerusform>%1 年内计得 %Ln 次故障的伽马后验分布（Jeffreys 先验）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, times the trend&apos;s β of %2</source>
        <extracomment>%1: the gamma posterior of the failures, %2: the trend&apos;s β.</extracomment>
        <translation>%1，乘以趋势的 β 值 %2</translation>
    </message>
    <message numerus="yes">
        <source>a gamma of the mean of %Ln repair(s): %1 hours, standard error %2</source>
        <translation>
            <numerusform>%Ln 次维修平均值的伽马分布：%1 小时，标准误差 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the mean of %Ln repair(s), %1 hours, fixed: their hours do not vary</source>
        <translation>
            <numerusform>%Ln 次维修的平均值 %1 小时，固定：其工时没有波动</numerusform>
        </translation>
    </message>
    <message>
        <source>a PERT over the repairs&apos; 10th to 90th percentile, most likely their median</source>
        <translation>维修工时第 10 至第 90 百分位的 PERT 分布，最可能值为中位数</translation>
    </message>
    <message>
        <source>Lost production valued over the mean downtime of %1 hours a failure, not the repair hours</source>
        <translation>停产损失按每次故障平均停机 %1 小时计，而非维修工时</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Figures typed at %1 were not saved.</source>
        <translation>%1 输入的数据尚未保存。</translation>
    </message>
    <message>
        <source>Figures of %1 changed at %2 were not saved.</source>
        <translation>%1 中于 %2 更改的数据尚未保存。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>报告详情</translation>
    </message>
    <message>
        <source>Customer:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>地点：</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>编制人：</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Customer:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>地点：</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>编制人：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Facility figures</source>
        <translation>工厂数据</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>投资回收</translation>
    </message>
    <message>
        <source>Investment and measures</source>
        <translation>投资与指标</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>情形</translation>
    </message>
    <message>
        <source>Assumptions</source>
        <translation>假设条件</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>无法绘制页面。</translation>
    </message>
    <message>
        <source>Could not write the report to %1. %2</source>
        <translation>无法将报告写入 %1。%2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>an installed system price of %1</source>
        <translation>系统安装价格 %1</translation>
    </message>
    <message>
        <source>installation at %1</source>
        <translation>安装费用 %1</translation>
    </message>
    <message>
        <source>an annual upkeep of %1</source>
        <translation>年维护费用 %1</translation>
    </message>
    <message numerus="yes">
        <source>The investment: %1, evaluated over %2 year(s) at a discount rate of %3%.</source>
        <translation>
            <numerusform>投资：%1，按 %3% 的折现率评估 %2 年。</numerusform>
        </translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>投资效益分析</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>情形</translation>
    </message>
    <message>
        <source>Reductions</source>
        <translation>降幅</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>年节省额</translation>
    </message>
    <message>
        <source>Payback</source>
        <translation>回收期</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>净现值</translation>
    </message>
    <message>
        <source>Sensitivity: each of the twelve figures and five reductions lowered and raised by %1%, a reduction no further than 0% or 100%.</source>
        <translation>敏感性：十二项数值和五项降幅分别降低和提高 %1%，降幅不低于 0%、不高于 100%。</translation>
    </message>
    <message>
        <source>Installed system price: %1</source>
        <translation>系统安装价格：%1</translation>
    </message>
    <message>
        <source>Installation cost: %1</source>
        <translation>安装费用：%1</translation>
    </message>
    <message>
        <source>Annual upkeep: %1</source>
        <translation>年维护费用：%1</translation>
    </message>
    <message>
        <source>No payback: with these figures the system brings no annual savings to pay for it.</source>
        <translation>无投资回收期：按这些数值，系统不能带来用以收回投资的年节省额。</translation>
    </message>
    <message>
        <source>Payback period: %1 months</source>
        <translation>投资回收期：%1 个月</translation>
    </message>
    <message>
        <source>%1: the results cannot be computed from these figures.</source>
        <translation>%1：无法根据这些数值计算结果。</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Lubrication Cost Savings Report</source>
        <translation>润滑成本节省报告</translation>
    </message>
    <message>
        <source>All figures are annual, in dollars.</source>
        <translation>所有数值均为年度数值，单位为美元。</translation>
    </message>
    <message>
        <source>All figures are annual, in %1.</source>
        <translation>所有数值均为年度数值，货币单位为 %1。</translation>
    </message>
    <message>
        <source>No payback: nothing is invested.</source>
        <translation>无投资回收期：未进行投资。</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production for the time its replacement takes (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %5: the formulas of the five cost rows (&quot;points × minutes per point ÷ 60 × ...&quot;), %6: the sentence on the reductions, %7: the sentence on the currency.</extracomment>
        <translation>这些数值的计算方法。当前成本是人工润滑每年的费用：润滑人工（%1）、润滑剂（%2）、更换用新轴承（%3）、更换轴承的人工（%4）以及停产损失——每次轴承故障都会使生产停顿，时长等于更换所需时间（%5）。%6节省额即两者之差。%7</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>投资回收期：%1 个月，超出 %n 年评估期</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Net cash flow over %n year(s): %1</source>
        <translation>
            <numerusform>%n 年净现金流：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>现金流</translation>
    </message>
    <message>
        <source>Sensitivity of the Net Present Value</source>
        <translation>净现值敏感性</translation>
    </message>
    <message>
        <source>Ranges the runs are drawn from</source>
        <translation>模拟运行所用的区间</translation>
    </message>
    <message>
        <source>Each run draws every input with a range from a PERT distribution: between its low and high value, most often near the most likely one. An input marked — keeps its figure. P10, P50 and P90: a tenth, half and nine tenths of the runs come out less favorable than this. The same seed draws the same runs.</source>
        <translation>每次运行从 PERT 分布中抽取每项设有区间的输入：介于低值与高值之间，最常接近最可能值。标有 — 的输入保持其数值。P10、P50、P90：分别有十分之一、一半、十分之九的运行结果劣于该值。相同的随机种子产生相同的运行。</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>Two parts of what the maintenance records come to, as two sentences.</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>The plant&apos;s maintenance records: %1.</source>
        <translation>工厂维护记录：%1。</translation>
    </message>
    <message>
        <source>The figures they give are used in this report.</source>
        <translation>本报告采用了由此得出的数据。</translation>
    </message>
    <message>
        <source>They are kept as evidence only; no figure of this report is taken from them.</source>
        <translation>这些记录仅作为依据保留；本报告中的数据均未取自这些记录。</translation>
    </message>
    <message>
        <source>An input drawn from a gamma distribution instead shows its P10, P50 and P90.</source>
        <translation>取自伽马分布的输入项改为显示其 P10、P50 和 P90。</translation>
    </message>
    <message>
        <source>Bearing failures by asset</source>
        <translation>各设备轴承故障</translation>
    </message>
    <message>
        <source>Each period&apos;s failures a year are its failures over its years, with the exact %1 interval of a count of failures. The measured reduction is 1 − rate after ÷ rate before; its %1 interval is exact by the conditional binomial method: of all the failures, the share that came after the installation tells the ratio of the rates. A failure on the day of the installation counts after it.</source>
        <translation>各期间的每年故障次数为其故障次数除以年数，并附故障计数的精确 %1 区间。实测降低 = 1 − 之后故障率 ÷ 之前故障率；其 %1 区间按条件二项法精确计算：全部故障中安装后发生的比例反映两个故障率之比。安装当天的故障计入安装之后。</translation>
    </message>
    <message>
        <source>The facility file keeps the counts only, not the failures&apos; dates: read the export again to chart them.</source>
        <translation>设施文件只保存次数，不保存故障日期：请重新读取导出文件以绘制图表。</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep and tax do not recover the outlay.</source>
        <translation>无投资回收期：按这些数值，扣除维护费用和税款后的年净现金流无法收回投资。</translation>
    </message>
    <message>
        <source>Payback period: %1 months, after tax</source>
        <translation>投资回收期：%1 个月（税后）</translation>
    </message>
    <message numerus="yes">
        <source>Payback period: %1 months after tax, not within the %n year(s) evaluated</source>
        <translation>
            <numerusform>投资回收期：%1 个月（税后），超出 %n 年评估期</numerusform>
        </translation>
    </message>
    <message>
        <source>The cumulative net is below zero again from year %1.</source>
        <translation>累计净现金流自第 %1 年起再次为负。</translation>
    </message>
    <message>
        <source>The net present value&apos;s sensitivity also moves the price, installation, upkeep, discount rate, tax rate and escalations by the same step, a tax rate no further than 0% or 100% and an escalation no further than %1% or %2%.</source>
        <translation>净现值的敏感性还按同一步长调整价格、安装费用、维护费用、折现率、税率和涨幅，税率不低于 0%、不高于 100%，涨幅不低于 %1%、不高于 %2%。</translation>
    </message>
    <message>
        <source>No payback: with these figures the annual nets after upkeep do not recover the outlay.</source>
        <translation>无投资回收期：按这些数值，扣除维护费用后的年净现金流无法收回投资。</translation>
    </message>
    <message>
        <source>How these figures are computed. The current cost is what lubricating by hand costs a year: the labor to lubricate (%1), the lubricant (%2), new replacement bearings (%3), the labor to replace them (%4) and lost production, since every bearing failure stops production (%5). %6 The savings are the difference. %7</source>
        <extracomment>%1 to %4: the formulas of the first four cost rows, %5: the formula of the lost production as the rule values it, %6: the rule and the reductions in sentences, %7: the sentence on the currency.</extracomment>
        <translation>这些数值的计算方法。当前成本是人工润滑每年的费用：润滑人工（%1）、润滑剂（%2）、更换用新轴承（%3）、更换轴承的人工（%4）以及停产损失——每次轴承故障都会使生产停顿（%5）。%6节省额即两者之差。%7</translation>
    </message>
    <message>
        <source>Price and installation with a contingency of %1: %2</source>
        <translation>含 %1 不可预见费的价格及安装：%2</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>所比较的方案</translation>
    </message>
    <message numerus="yes">
        <source>These figures are of the option %1, one of the %n options the page of the alternatives considered sets beside doing nothing.</source>
        <translation>
            <numerusform>以上数值属于方案 %1，是“所比较的方案”页面中与“不采取措施”并列比较的 %n 个方案之一。</numerusform>
        </translation>
    </message>
    <message>
        <source>Cash Flow and Sensitivity of the Net Present Value</source>
        <translation>现金流与净现值敏感性</translation>
    </message>
</context>
<context>
    <name>RiskChartText</name>
    <message>
        <source>Histogram of the NPV ($)</source>
        <translation>净现值直方图（$）</translation>
    </message>
    <message>
        <source>Histogram of the annual savings ($)</source>
        <translation>年节省额直方图（$）</translation>
    </message>
    <message>
        <source>Share of runs (%)</source>
        <translation>运行占比（%）</translation>
    </message>
    <message>
        <source>S-curve of the NPV ($)</source>
        <translation>净现值 S 曲线（$）</translation>
    </message>
    <message>
        <source>S-curve of the annual savings ($)</source>
        <translation>年节省额 S 曲线（$）</translation>
    </message>
    <message>
        <source>Runs at or below (%)</source>
        <translation>不高于该值的运行（%）</translation>
    </message>
</context>
<context>
    <name>RiskRangesDialog</name>
    <message>
        <source>Risk Ranges</source>
        <translation>风险区间</translation>
    </message>
    <message>
        <source>Each input varies from its low to its high value, most often near the most likely one. An input whose three fields are empty stays at its figure, shown in gray.</source>
        <translation>每项输入在低值与高值之间变化，最常接近最可能值。三个字段均为空的输入保持其数值（以灰色显示）。</translation>
    </message>
    <message>
        <source>Seed:</source>
        <translation>随机种子：</translation>
    </message>
    <message>
        <source>Runs:</source>
        <translation>运行次数：</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认值</translation>
    </message>
    <message>
        <source>Give the low, most likely and high value of %1, or leave all three empty to keep it at its figure.</source>
        <translation>请填写 %1 的低值、最可能值和高值，或三项均留空以保持其数值。</translation>
    </message>
    <message>
        <source>The value %1 of %2 is no number.</source>
        <translation>%2 的值 %1 不是数字。</translation>
    </message>
    <message>
        <source>The values of %1 are out of order: the low value may not exceed the most likely one, nor the most likely the high one.</source>
        <translation>%1 的数值顺序有误：低值不得高于最可能值，最可能值不得高于高值。</translation>
    </message>
    <message>
        <source>The values of %1 are reductions: each from 0 to 100.</source>
        <translation>%1 的数值为降幅：每项须在 0 至 100 之间。</translation>
    </message>
    <message>
        <source>The values of %1 may not be negative.</source>
        <translation>%1 的数值不得为负。</translation>
    </message>
    <message>
        <source>The seed %1 is no whole number from 0 to %2.</source>
        <translation>随机种子 %1 不是 0 至 %2 之间的整数。</translation>
    </message>
    <message>
        <source>From the records</source>
        <translation>来自记录</translation>
    </message>
    <message>
        <source>The records give %1, shown as its P10, P50 and P90.</source>
        <translation>记录给出%1，以其 P10、P50 和 P90 表示。</translation>
    </message>
    <message>
        <source>The records give %1.</source>
        <translation>记录给出%1。</translation>
    </message>
</context>
<context>
    <name>RiskSheetText</name>
    <message>
        <source>Risk simulation</source>
        <translation>风险模拟</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Runs computed</source>
        <translation>已计算的运行次数</translation>
    </message>
    <message>
        <source>Runs left out (arithmetic overflows)</source>
        <translation>舍弃的运行（计算溢出）</translation>
    </message>
    <message>
        <source>fixed at its figure</source>
        <translation>固定为其数值</translation>
    </message>
    <message>
        <source>a gamma from the records: its P10, P50 and P90</source>
        <translation>来自记录的伽马分布：其 P10、P50 和 P90</translation>
    </message>
</context>
<context>
    <name>RiskText</name>
    <message>
        <source>Lubrication labor reduction (%)</source>
        <translation>润滑人工降幅（%）</translation>
    </message>
    <message>
        <source>Lubricant reduction (%)</source>
        <translation>润滑剂降幅（%）</translation>
    </message>
    <message>
        <source>Bearings reduction (%)</source>
        <translation>轴承降幅（%）</translation>
    </message>
    <message>
        <source>Replacement labor reduction (%)</source>
        <translation>轴承更换人工降幅（%）</translation>
    </message>
    <message>
        <source>Lost production reduction (%)</source>
        <translation>停产损失降幅（%）</translation>
    </message>
    <message>
        <source>Bearing failures a year</source>
        <translation>每年轴承故障数</translation>
    </message>
    <message>
        <source>Hours to replace a bearing</source>
        <translation>每次轴承更换工时</translation>
    </message>
    <message>
        <source>Value of an hour&apos;s production ($)</source>
        <translation>每小时产值（$）</translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) of the simulation, seed %2</source>
        <extracomment>%1: the number of runs, %2: the seed, a whole number that draws the same runs again.</extracomment>
        <translation>
            <numerusform>模拟运行 %1 次，随机种子 %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 run(s) left out: their arithmetic overflows.</source>
        <translation>
            <numerusform>舍弃 %1 次运行：计算溢出。</numerusform>
        </translation>
    </message>
    <message>
        <source>Annual savings, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>年节省额，P10 / P50 / P90：%1 / %2 / %3</translation>
    </message>
    <message>
        <source>Net present value, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>净现值，P10 / P50 / P90：%1 / %2 / %3</translation>
    </message>
    <message>
        <source>Simple payback in months, P10 / P50 / P90: %1 / %2 / %3</source>
        <translation>静态投资回收期（月），P10 / P50 / P90：%1 / %2 / %3</translation>
    </message>
    <message>
        <source>No run of the simulation can be computed from these figures and ranges.</source>
        <translation>无法用这些数值和区间计算任何模拟运行。</translation>
    </message>
    <message>
        <source>Risk</source>
        <translation>风险</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入项</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低值</translation>
    </message>
    <message>
        <source>Most likely</source>
        <translation>最可能值</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高值</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>年节省额</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>净现值</translation>
    </message>
    <message>
        <source>Simple payback (months)</source>
        <translation>静态投资回收期（月）</translation>
    </message>
    <message>
        <source>Chance that the NPV is below zero</source>
        <translation>净现值为负的概率</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>随机种子</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>The range of %1 is too wide: at its ends the arithmetic overflows, so the runs there cannot be computed. Narrow it to simulate the risk.</source>
        <translation>%1 的区间过宽：在其两端计算会溢出，相应的模拟运行无法计算。请缩小该区间以模拟风险。</translation>
    </message>
    <message>
        <source>P10 is each measure&apos;s unfavorable end: savings and net present value reached in %1 of the runs, a payback reached within it in %1 of them. The inputs are drawn independently.</source>
        <extracomment>%1: nine runs in ten, &quot;90%&quot; as the language writes a percentage.</extracomment>
        <translation>P10 是各项指标的不利端：%1 的模拟运行可达到该节省额和净现值，%1 的运行可在该期限内回本。各项输入独立抽取。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1: the input&apos;s name, %2: how the records give it.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>From the records: %1.</source>
        <translation>来自记录：%1。</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>not within the period</source>
        <translation>超出评估期</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a caption and its figure, with the language&apos;s colon</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Not every byte could be written.</source>
        <translation>未能写入全部字节。</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>已有同名文件夹。</translation>
    </message>
    <message>
        <source>It is a device, not a file.</source>
        <translation>这是设备，不是文件。</translation>
    </message>
    <message>
        <source>It is a pipe (FIFO), not a file.</source>
        <translation>这是管道（FIFO），不是文件。</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>这是套接字，不是文件。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>It cannot be read to see what it holds: %1</source>
        <translation>无法读取以查看其内容：%1</translation>
    </message>
    <message>
        <source>It is not a %1, so it is not replaced.</source>
        <translation>它不是%1，因此不会被替换。</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>未指定文件名。</translation>
    </message>
    <message>
        <source>Its name is that of a %1, which a %2 never replaces.</source>
        <translation>其名称属于%1，%2绝不会替换它。</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>这是指向不存在文件的链接。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 不是文件夹。</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>文件为只读。</translation>
    </message>
    <message>
        <source>Nothing was made to write.</source>
        <translation>没有生成可写入的内容。</translation>
    </message>
    <message>
        <source>Not every byte reached the file.</source>
        <translation>并非所有字节都已写入文件。</translation>
    </message>
    <message>
        <source>facility file</source>
        <translation>工厂文件</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>spreadsheet workbook</source>
        <translation>电子表格工作簿</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV 文件</translation>
    </message>
    <message>
        <source>It holds JSON as a %1 does, which a %2 never replaces.</source>
        <translation>它像%1一样包含 JSON，%2绝不会替换它。</translation>
    </message>
    <message>
        <source>It is a link to %1, whose name is that of a %2, which a %3 never replaces.</source>
        <translation>这是指向 %1 的链接，其名称属于%2，%3绝不会替换它。</translation>
    </message>
    <message>
        <source>The new file is in place, but the system did not confirm that it is on the disk: %1</source>
        <translation>新文件已就位，但系统未确认它已写入磁盘：%1</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>系统错误 %1</translation>
    </message>
    <message>
        <source>No temporary file could be made beside it.</source>
        <translation>无法在其旁边创建临时文件。</translation>
    </message>
</context>
<context>
    <name>SavingsChartText</name>
    <message>
        <source>Bearing failures counted up</source>
        <translation>累计轴承故障</translation>
    </message>
    <message>
        <source>Failures since %1</source>
        <translation>%1 以来的故障</translation>
    </message>
    <message>
        <source>Failures counted up</source>
        <translation>累计故障</translation>
    </message>
    <message>
        <source>At the rate before the installation</source>
        <translation>按安装前的故障率</translation>
    </message>
    <message>
        <source>Installed %1</source>
        <translation>%1 安装</translation>
    </message>
</context>
<context>
    <name>SavingsCheckText</name>
    <message>
        <source>Savings check</source>
        <translation>节省核查</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期间</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>之后</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>To</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>年数</translation>
    </message>
    <message>
        <source>Bearing failures</source>
        <translation>轴承故障</translation>
    </message>
    <message>
        <source>Failures a year</source>
        <translation>每年故障次数</translation>
    </message>
    <message>
        <source>90% low</source>
        <translation>90% 下限</translation>
    </message>
    <message>
        <source>90% high</source>
        <translation>90% 上限</translation>
    </message>
    <message>
        <source>Measured reduction</source>
        <translation>实测降低</translation>
    </message>
    <message>
        <source>Measured reduction, 90% low</source>
        <translation>实测降低，90% 下限</translation>
    </message>
    <message>
        <source>Measured reduction, 90% high</source>
        <translation>实测降低，90% 上限</translation>
    </message>
    <message>
        <source>Assumed reduction</source>
        <translation>假定降低</translation>
    </message>
    <message>
        <source>%1 between any rise and %2 fewer</source>
        <translation>%1 的可能在任意增加与减少 %2 之间</translation>
    </message>
    <message>
        <source>%1 at least %2 more</source>
        <translation>%1 的可能至少增加 %2</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 fewer</source>
        <translation>%1 的可能减少 %2 至 %3</translation>
    </message>
    <message>
        <source>%1 between %2 and %3 more</source>
        <translation>%1 的可能增加 %2 至 %3</translation>
    </message>
    <message>
        <source>%1 between %2 more and %3 fewer</source>
        <translation>%1 的可能在增加 %2 与减少 %3 之间</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>无变化</translation>
    </message>
    <message>
        <source>%1 fewer</source>
        <translation>减少 %1</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>增加 %1</translation>
    </message>
    <message>
        <source>The case assumes %1 fewer bearing failures; the records measure %2, %3.</source>
        <extracomment>%1: the assumed reduction (&quot;80%&quot;), %2: the measured one (&quot;71% fewer&quot;, &quot;13% more&quot;), %3: its interval (&quot;90% between 48% and 85% fewer&quot;).</extracomment>
        <translation>方案假定轴承故障减少 %1；记录实测为%2，%3。</translation>
    </message>
    <message>
        <source>%1 a year, %2 between %3 and %4</source>
        <extracomment>%1: failures a year, %2: &quot;90%&quot;, %3 and %4: the interval&apos;s ends.</extracomment>
        <translation>每年 %1 次，%2 的可能在 %3 至 %4 之间</translation>
    </message>
    <message numerus="yes">
        <source>Before %1: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>%1 之前：%2 年 %Ln 次轴承故障，%3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>From %1 on: %Ln bearing failure(s) in %2 years, %3</source>
        <translation>
            <numerusform>%1 起：%2 年 %Ln 次轴承故障，%3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavingsKindsText</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>Hard savings, cash the plant no longer pays: %1.</source>
        <translation>硬性节省，即工厂不再支付的现金：%1。</translation>
    </message>
    <message>
        <source>Soft savings, not cash until they replace costs the plant pays: %1.</source>
        <translation>软性节省，在替代工厂实际支付的成本之前不算现金：%1。</translation>
    </message>
    <message>
        <source>The freed lubrication hours are counted as cash.</source>
        <translation>腾出的润滑工时计为现金。</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, counted as cash.</source>
        <translation>腾出的润滑工时用于%1，计为现金。</translation>
    </message>
    <message>
        <source>Nothing says what the freed lubrication hours will do.</source>
        <translation>未说明腾出的润滑工时将用于何处。</translation>
    </message>
    <message>
        <source>The freed lubrication hours go to %1, not counted as cash.</source>
        <translation>腾出的润滑工时用于%1，不计为现金。</translation>
    </message>
    <message>
        <source>The lost production is cash at its contribution margin.</source>
        <translation>停产损失按其边际贡献计为现金。</translation>
    </message>
    <message>
        <source>The lost production is counted as cash at the full production value.</source>
        <translation>停产损失按全部产值计为现金。</translation>
    </message>
    <message>
        <source>The lost production is valued at revenue, not at its margin.</source>
        <translation>停产损失按收入而非边际贡献计。</translation>
    </message>
</context>
<context>
    <name>SummaryText</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Payback (months)</source>
        <translation>回收期（月）</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>净现值</translation>
    </message>
    <message>
        <source>Its figures cannot be computed: %1.</source>
        <translation>其数值无法计算：%1。</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Could not sum up %1. %2</source>
        <translation>无法汇总 %1。%2</translation>
    </message>
    <message>
        <source>A summary is written as .csv or .xlsx.</source>
        <translation>汇总只能写为 .csv 或 .xlsx 文件。</translation>
    </message>
    <message>
        <source>Could not write the summary to %1. %2</source>
        <translation>无法将汇总写入 %1。%2</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>收回情况</translation>
    </message>
    <message>
        <source>within</source>
        <translation>评估期内</translation>
    </message>
    <message>
        <source>not within</source>
        <translation>超出评估期</translation>
    </message>
    <message>
        <source>never</source>
        <translation>永不收回</translation>
    </message>
    <message>
        <source>Net present value on hard savings</source>
        <translation>硬性节省净现值</translation>
    </message>
</context>
<context>
    <name>TableTitles</name>
    <message>
        <source>Current Cost</source>
        <translation>当前成本</translation>
    </message>
    <message>
        <source>ANUAL COST OF MANUAL LUBRICATION</source>
        <translation>人工润滑的年度成本</translation>
    </message>
    <message>
        <source>Current annual cost</source>
        <translation>当前年度成本</translation>
    </message>
    <message>
        <source>Velmor Cost</source>
        <translation>Velmor 成本</translation>
    </message>
    <message>
        <source>ANNUAL COST OF LUBRICATION USING VELMOR AUTOMATIC LUBRICATION SYSTEM</source>
        <translation>采用 VELMOR 自动润滑系统的年度润滑成本</translation>
    </message>
    <message>
        <source>Velmor annual cost</source>
        <translation>Velmor 年度成本</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>节省额</translation>
    </message>
    <message>
        <source>ANNUAL COST SAVINGS REALIZED BY USING VELMOR AUTOMATION VS. MANUAL LUBRICATION</source>
        <translation>采用 VELMOR 自动润滑替代人工润滑所实现的年度成本节省</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>年节省额</translation>
    </message>
</context>
<context>
    <name>WorkOrderText</name>
    <message>
        <source>No column is chosen for the date.</source>
        <translation>未选择日期列。</translation>
    </message>
    <message>
        <source>The date %1 on line %2 does not read as a date.</source>
        <translation>第 %2 行的日期 %1 无法识别为日期。</translation>
    </message>
    <message>
        <source>The records hold no work orders.</source>
        <translation>记录中没有工单。</translation>
    </message>
    <message>
        <source>The hours %1 on line %2 are no number.</source>
        <translation>第 %2 行的工时 %1 不是数字。</translation>
    </message>
    <message>
        <source>The repair hours %1 on line %2 are more than two weeks for one repair.</source>
        <translation>第 %2 行的维修工时 %1 超过两周，不可能是一次维修。</translation>
    </message>
    <message>
        <source>The records hold no work orders from %1 to %2.</source>
        <translation>记录中没有 %1 至 %2 的工单。</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Figure</source>
        <translation>数据项</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Reduction with Velmor</source>
        <translation>采用 Velmor 的降幅</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投资</translation>
    </message>
    <message>
        <source>Installed system price</source>
        <translation>系统安装价格</translation>
    </message>
    <message>
        <source>Installation cost</source>
        <translation>安装费用</translation>
    </message>
    <message>
        <source>Annual upkeep</source>
        <translation>年维护费用</translation>
    </message>
    <message>
        <source>per year</source>
        <translation>每年</translation>
    </message>
    <message>
        <source>Evaluation period</source>
        <translation>评估期</translation>
    </message>
    <message>
        <source>years (1 to %1)</source>
        <translation>年（1 至 %1）</translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation>折现率</translation>
    </message>
    <message>
        <source>% a year</source>
        <translation>%/年</translation>
    </message>
    <message>
        <source>Business Case</source>
        <translation>投资效益分析</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation)</source>
        <translation>初始投资（价格 + 安装）</translation>
    </message>
    <message>
        <source>Simple payback, months</source>
        <translation>静态投资回收期（月）</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>净现值</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>内部收益率</translation>
    </message>
    <message>
        <source>The figures cannot be computed: %1.</source>
        <translation>这些数值无法计算：%1。</translation>
    </message>
    <message>
        <source>Could not write the workbook %1. %2</source>
        <translation>无法写入工作簿 %1。%2</translation>
    </message>
    <message>
        <source>No temporary folder could be made for it: %1</source>
        <translation>无法为其创建临时文件夹：%1</translation>
    </message>
    <message>
        <source>The workbook could not be started.</source>
        <translation>无法开始生成工作簿。</translation>
    </message>
    <message>
        <source>The workbook made could not be read back.</source>
        <translation>无法读回已生成的工作簿。</translation>
    </message>
    <message>
        <source>The workbook could not be made: %1</source>
        <translation>无法生成工作簿：%1</translation>
    </message>
    <message>
        <source>The temporary folder %1 may be full, or a file size limit was reached.</source>
        <translation>临时文件夹 %1 可能已满，或已达到文件大小限制。</translation>
    </message>
    <message>
        <source>Its part %1 came out cut short or damaged.</source>
        <translation>其部件 %1 不完整或已损坏。</translation>
    </message>
    <message>
        <source>Capital request</source>
        <translation>资本支出申请</translation>
    </message>
    <message>
        <source>Escalation of the labor rates</source>
        <translation>人工费率涨幅</translation>
    </message>
    <message>
        <source>Escalation of the lubricant price</source>
        <translation>润滑剂价格涨幅</translation>
    </message>
    <message>
        <source>Escalation of the bearing price</source>
        <translation>轴承价格涨幅</translation>
    </message>
    <message>
        <source>Escalation of the production value</source>
        <translation>产值涨幅</translation>
    </message>
    <message>
        <source>Escalation of the upkeep</source>
        <translation>维护费用涨幅</translation>
    </message>
    <message>
        <source>Income tax rate</source>
        <translation>所得税税率</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>折旧</translation>
    </message>
    <message>
        <source>0 none, 1 straight-line, 2 declining balance</source>
        <translation>0 无，1 直线法，2 余额递减法</translation>
    </message>
    <message>
        <source>Depreciation period</source>
        <translation>折旧年限</translation>
    </message>
    <message>
        <source>years (straight-line)</source>
        <translation>年（直线法）</translation>
    </message>
    <message>
        <source>Declining-balance rate</source>
        <translation>余额递减折旧率</translation>
    </message>
    <message>
        <source>% of the book value a year</source>
        <translation>每年账面价值的 %</translation>
    </message>
    <message>
        <source>First-year share of the savings</source>
        <translation>首年节省额比例</translation>
    </message>
    <message>
        <source>Timing of the annual flows</source>
        <translation>年度现金流时点</translation>
    </message>
    <message>
        <source>0 year-end, 1 mid-year</source>
        <translation>0 年末，1 年中</translation>
    </message>
    <message>
        <source>Residual value</source>
        <translation>残值</translation>
    </message>
    <message>
        <source>at the period&apos;s end</source>
        <translation>期末</translation>
    </message>
    <message>
        <source>Book value</source>
        <translation>账面价值</translation>
    </message>
    <message>
        <source>Discount factor</source>
        <translation>折现系数</translation>
    </message>
    <message>
        <source>Paid back by (months)</source>
        <translation>收回时间（月）</translation>
    </message>
    <message>
        <source>Paid back discounted by (years)</source>
        <translation>折现收回时间（年）</translation>
    </message>
    <message>
        <source>Half year</source>
        <translation>半年</translation>
    </message>
    <message>
        <source>Flow at the half year</source>
        <translation>半年现金流</translation>
    </message>
    <message>
        <source>Sign so far</source>
        <translation>迄今正负号</translation>
    </message>
    <message>
        <source>Net of year 1 (savings − upkeep)</source>
        <translation>第 1 年净现金流（节省额 − 维护费用）</translation>
    </message>
    <message>
        <source>Return on investment over the period (undiscounted)</source>
        <translation>评估期投资回报率（未折现）</translation>
    </message>
    <message>
        <source>Annualised return on investment</source>
        <translation>年化投资回报率</translation>
    </message>
    <message>
        <source>Profitability index (NPV ÷ initial outlay + 1)</source>
        <translation>获利指数（净现值 ÷ 初始投资 + 1）</translation>
    </message>
    <message>
        <source>Discounted payback, years</source>
        <translation>动态投资回收期（年）</translation>
    </message>
    <message numerus="yes">
        <source>not within the %1 year(s)</source>
        <translation>
            <numerusform>%1 年内无法收回</numerusform>
        </translation>
    </message>
    <message>
        <source>none: the cash flows never change sign</source>
        <translation>无：现金流从未改变正负号</translation>
    </message>
    <message>
        <source>none: the cash flows change sign more than once</source>
        <translation>无：现金流多次改变正负号</translation>
    </message>
    <message>
        <source>Sum of (net − year 1&apos;s net)</source>
        <translation>累计（净额 − 第 1 年净额）</translation>
    </message>
    <message>
        <source>never: the annual nets do not recover the outlay</source>
        <translation>永不收回：年净现金流无法收回投资</translation>
    </message>
    <message>
        <source>Business Case on Hard Savings</source>
        <translation>硬性节省的投资效益分析</translation>
    </message>
    <message>
        <source>Lost production</source>
        <translation>停产损失</translation>
    </message>
    <message>
        <source>Contribution margin</source>
        <translation>边际贡献</translation>
    </message>
    <message>
        <source>% (sold out: the whole production value)</source>
        <translation>%（满负荷：全部产值）</translation>
    </message>
    <message>
        <source>% of the production value</source>
        <translation>占产值的%</translation>
    </message>
    <message>
        <source>Lost output made up later</source>
        <translation>事后补回的产量</translation>
    </message>
    <message>
        <source>People standing idle during a stop</source>
        <translation>停机期间闲置人数</translation>
    </message>
    <message>
        <source>Their hourly rate</source>
        <translation>其小时费率</translation>
    </message>
    <message>
        <source>%1/hour</source>
        <translation>%1/小时</translation>
    </message>
    <message>
        <source>Stop per failure</source>
        <translation>每次故障停机</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Cash (1) or not (0)</source>
        <translation>现金（1）或否（0）</translation>
    </message>
    <message>
        <source>The freed hours go to %1</source>
        <translation>腾出的工时用于%1</translation>
    </message>
    <message>
        <source>Hard savings</source>
        <translation>硬性节省</translation>
    </message>
    <message>
        <source>Total hard savings</source>
        <translation>硬性节省合计</translation>
    </message>
    <message>
        <source>Initial outlay (price + installation + contingency)</source>
        <translation>初始投资（价格 + 安装 + 不可预见费）</translation>
    </message>
    <message>
        <source>Contingency</source>
        <translation>不可预见费</translation>
    </message>
    <message>
        <source>% of the price and installation</source>
        <translation>占价格及安装费的%</translation>
    </message>
    <message>
        <source>Estimate accuracy, below</source>
        <translation>估算精度，向下</translation>
    </message>
    <message>
        <source>Estimate accuracy, above</source>
        <translation>估算精度，向上</translation>
    </message>
    <message>
        <source>Hurdle rate</source>
        <translation>最低收益率</translation>
    </message>
    <message>
        <source>Initial outlay, with the one-off items at the start</source>
        <translation>初始投资（含期初一次性项目）</translation>
    </message>
    <message>
        <source>Other annual savings</source>
        <translation>其他年度节省</translation>
    </message>
    <message>
        <source>One-off items</source>
        <translation>一次性项目</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Every (years, 0 once)</source>
        <translation>间隔（年，0 为一次）</translation>
    </message>
    <message>
        <source>Alternatives Considered</source>
        <translation>所比较的方案</translation>
    </message>
    <message>
        <source>Annual savings</source>
        <translation>年节省额</translation>
    </message>
    <message>
        <source>Outlay</source>
        <translation>初始投资</translation>
    </message>
    <message>
        <source>Discount rate (%)</source>
        <translation>折现率（%）</translation>
    </message>
    <message>
        <source>NPV on hard savings</source>
        <translation>硬性节省净现值</translation>
    </message>
    <message>
        <source>Set against</source>
        <translation>比较对象</translation>
    </message>
    <message>
        <source>Incremental NPV</source>
        <translation>增量净现值</translation>
    </message>
    <message>
        <source>Incremental IRR</source>
        <translation>增量内部收益率</translation>
    </message>
    <message>
        <source>%1 less %2</source>
        <translation>%1 减 %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Compares the annual cost of lubricating a facility by hand with the cost of a Velmor automatic lubrication system.</source>
        <translation>比较工厂人工润滑的年度成本与 Velmor 自动润滑系统的成本。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>A facility file (.velmor) to open.</source>
        <translation>要打开的工厂文件（.velmor）。</translation>
    </message>
    <message>
        <source>one facility file at a time, not %1</source>
        <translation>一次只能打开一个工厂文件，而不是 %1 个</translation>
    </message>
    <message>
        <source>--report needs the name of the PDF file to write</source>
        <translation>--report 需要指定要写入的 PDF 文件名</translation>
    </message>
    <message>
        <source>Shows the window and writes the report in LANGUAGE: %1.</source>
        <translation>以 LANGUAGE 语言显示窗口并撰写报告：%1。</translation>
    </message>
    <message>
        <source>no language &quot;%1&quot;; the languages are %2</source>
        <translation>没有语言“%1”；可用语言为 %2</translation>
    </message>
    <message>
        <source>Writes the customer report of FILE, or of the default figures, to OUT as a PDF, without opening a window.</source>
        <translation>将 FILE 或默认数据的客户报告以 PDF 格式写入 OUT，不打开窗口。</translation>
    </message>
    <message>
        <source>Writes the figures of FILE, or the default figures, to OUT as a workbook (.xlsx) whose costs are formulas, without opening a window.</source>
        <translation>将 FILE 的数据或默认数据写入 OUT，生成以公式计算成本的工作簿（.xlsx），不打开窗口。</translation>
    </message>
    <message>
        <source>one of --report, --workbook and --summary at a time</source>
        <translation>--report、--workbook 和 --summary 一次只能使用其中一个</translation>
    </message>
    <message>
        <source>--summary needs the name of the file to write</source>
        <translation>--summary 需要指定要写入的文件名</translation>
    </message>
    <message>
        <source>--summary needs at least one facility file</source>
        <translation>--summary 至少需要一个工厂文件</translation>
    </message>
    <message>
        <source>--workbook needs the name of the workbook to write</source>
        <translation>--workbook 需要指定要写入的工作簿名称</translation>
    </message>
    <message>
        <source>Writes one row for each FILE (its totals, payback and net present value) and a total row to OUT, a .csv or .xlsx file. A file listed twice, by any name, is refused rather than counted twice.</source>
        <translation>为每个 FILE 写入一行（其合计、投资回收期和净现值），并写入一行总计，输出到 OUT（.csv 或 .xlsx 文件）。同一文件无论以何种名称列出两次，都会被拒绝，而不会计算两次。</translation>
    </message>
    <message>
        <source>--%1 is given more than once; one file is written at a time</source>
        <translation>--%1 指定了多次；一次只写入一个文件</translation>
    </message>
    <message>
        <source>--summary lists %1 twice</source>
        <translation>--summary 两次列出了 %1</translation>
    </message>
    <message>
        <source>--summary lists one file twice, as %1 and as %2</source>
        <translation>--summary 两次列出了同一个文件：%1 和 %2</translation>
    </message>
    <message>
        <source>Could not use the figures of %1. %2</source>
        <translation>无法使用 %1 的数据。%2</translation>
    </message>
    <message>
        <source>The dates of column %1 could be day first or month first (03/04/2024); their order can be chosen in the window.</source>
        <translation>列 %1 中的日期可能是日在前，也可能是月在前（03/04/2024）；可在窗口中选择其顺序。</translation>
    </message>
    <message>
        <source>Reads a work-order export (.csv, .txt or .xlsx) with the columns guessed from its header and writes what its bearing failures and repair hours come to; with --report or --workbook, applies them to the figures of FILE, or the default figures, before writing.</source>
        <translation>读取工单导出文件（.csv、.txt 或 .xlsx），根据标题行识别各列，并输出轴承故障和维修工时的结果；与 --report 或 --workbook 一起使用时，先将其应用到 FILE 的数据（或默认数据）再写出。</translation>
    </message>
    <message>
        <source>--records is given more than once; one export is read at a time</source>
        <translation>--records 指定了多次；每次只读取一个导出文件</translation>
    </message>
    <message>
        <source>--records needs the name of the export to read</source>
        <translation>--records 需要指定要读取的导出文件名</translation>
    </message>
    <message>
        <source>--records goes with --report or --workbook, not with --summary</source>
        <translation>--records 只能与 --report 或 --workbook 一起使用，不能与 --summary 一起使用</translation>
    </message>
    <message>
        <source>It has no sheet %1.</source>
        <translation>其中没有工作表 %1。</translation>
    </message>
    <message>
        <source>--%1 goes with --records</source>
        <translation>--%1 只能与 --records 一起使用</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 指定了多次</translation>
    </message>
    <message>
        <source>--date-order is dmy or mdy, not &quot;%1&quot;</source>
        <translation>--date-order 应为 dmy 或 mdy，而不是“%1”</translation>
    </message>
    <message>
        <source>With --records, reads the workbook&apos;s sheet SHEET, by its number from 1 or its name, instead of the first.</source>
        <translation>与 --records 一起使用时，读取工作簿的工作表 SHEET（按从 1 开始的编号或名称），而不是第一个工作表。</translation>
    </message>
    <message>
        <source>With --records, reads the columns named in COLUMNS (&quot;date=Datum,description=Text,repairHours=Ist-Arbeit&quot;; also asset, workType and downtimeHours) instead of those guessed from the header.</source>
        <translation>与 --records 一起使用时，读取 COLUMNS 中指定的列（“date=Datum,description=Text,repairHours=Ist-Arbeit”；另有 asset、workType 和 downtimeHours），而不是根据标题行推测的列。</translation>
    </message>
    <message>
        <source>With --records, counts the work orders whose type or description holds one of WORDS (separated by commas) as bearing failures; given, no failure found is a result, not a refusal.</source>
        <translation>与 --records 一起使用时，将类型或描述包含 WORDS（以逗号分隔）之一的工单计为轴承故障；指定后，未发现故障也是一种结果，而不是拒绝。</translation>
    </message>
    <message>
        <source>With --records, reads dates such as 03/04/2024 day first (dmy) or month first (mdy) where the export does not tell.</source>
        <translation>与 --records 一起使用时，在导出文件无法判断时，将 03/04/2024 这类日期按日在前（dmy）或月在前（mdy）读取。</translation>
    </message>
    <message>
        <source>With --records, counts only the work orders of the work types TYPES (separated by commas, e.g. &quot;CM,EM&quot;) as failures, instead of the corrective and breakdown types guessed from the work-type column.</source>
        <translation>与 --records 一起使用时，只将类型为 TYPES（以逗号分隔，例如“CM,EM”）的工单计为故障，而不是根据工单类型列推测的纠正性和故障抢修类型。</translation>
    </message>
    <message>
        <source>--installed takes a date such as 2024-03-01, not &quot;%1&quot;</source>
        <translation>--installed 需要 2024-03-01 这样的日期，而不是“%1”</translation>
    </message>
    <message>
        <source>With --records, checks the failures before the system was installed on DATE (2024-03-01) against those after it, beside the reduction the case assumes.</source>
        <translation>与 --records 一起使用时，将系统于 DATE（2024-03-01）安装之前的故障与之后的故障进行比较，并列出测算假设的降幅。</translation>
    </message>
    <message>
        <source>--repeat-days takes a number of days from 0 to %1, not &quot;%2&quot;</source>
        <translation>--repeat-days 需要 0 至 %1 的天数，而不是“%2”</translation>
    </message>
    <message>
        <source>With --records, counts the failures from FROM to TO (2023-01-01:2024-12-31), the period the export covers, instead of from its first order to its last.</source>
        <translation>与 --records 一起使用时，按导出文件覆盖的期间 FROM 至 TO（2023-01-01:2024-12-31）计算故障，而不是从第一张工单到最后一张。</translation>
    </message>
    <message>
        <source>With --records, counts orders on one asset within DAYS days of each other as one failure (7 unless given).</source>
        <translation>与 --records 一起使用时，将同一设备相隔不超过 DAYS 天的工单算作一次故障（未指定时为 7）。</translation>
    </message>
    <message>
        <source>With --records, values the lost production of a failure over the export&apos;s mean downtime instead of the repair hours, where the export has downtime hours.</source>
        <translation>与 --records 一起使用：若导出文件含停机小时，则按其平均停机时间而非维修工时计算每次故障的停产损失。</translation>
    </message>
</context>
<context>
    <name>platform::ChartControl</name>
    <message>
        <source>negative figures not drawn</source>
        <translation>负值未绘出</translation>
    </message>
</context>
</TS>
