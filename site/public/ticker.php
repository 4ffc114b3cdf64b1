<?xml version="1.0"?>
<TICKER>
	<CHANNEL NAME="News">
		<ITEM TEXT="Storm front reaches the coast tonight; ferries stay in port" LINK="{{BASE}}info/main.html#weather"/>
		<ITEM TEXT="City council approves the new harbour bridge" LINK="{{BASE}}info/main.html#bridge"/>
		<ITEM TEXT="Rail strike called off after late-night talks" LINK="{{BASE}}info/main.html%23rail"/>
		<ITEM TEXT="Museums open their doors for free this Sunday"/>
	</CHANNEL>
	<CHANNEL NAME="Sports">
		<ITEM TEXT="Harbour United win the derby 2-1 in stoppage time" LINK="{{BASE}}info/main.html#derby"/>
		<ITEM TEXT="Cycling: the northern classic ends in a sprint of twelve" LINK="{{BASE}}info/main.html#cycling"/>
		<ITEM TEXT="Sailing: light winds delay the regatta" LINK="{{BASE}}info/main.html#regatta"/>
	</CHANNEL>
	<CHANNEL NAME="Music">
		<ITEM TEXT="Harbour Lights announce a summer tour of twenty cities" LINK="{{BASE}}info/main.html#tour"/>
		<ITEM TEXT="Jazz festival line-up: Elsa Brandt Quartet to close the weekend" LINK="{{BASE}}info/main.html%23jazz%20festival"/>
		<ITEM TEXT="New on Velmora Mix: the morning set, every weekday from six"/>
	</CHANNEL>
</TICKER>
