var recitations = {"ayahCount":[7,286,200],
"1":{"subfolder":"Abdul_Basit_Murattal_192kbps","name":"Abdul Basit Murattal","bitrate":"192kbps"},
"2":{"subfolder":"English/Sahih_Intnl_Ibrahim_Walk_192kbps","name":"English","bitrate":"192kbps"},
"3":{"subfolder":"translations/urdu_shamshad_ali_khan_46kbps","name":"Urdu","bitrate":"46kbps"},
"4":{"subfolder":"../../etc","name":"","bitrate":64}};
